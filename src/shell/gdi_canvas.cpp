#include "shell/gdi_canvas.h"

namespace chelan {

GdiCanvas::GdiCanvas(HDC canvas, std::array<HDC, 4> sources)
    : dc_(canvas),
      sources_(sources),
      previousFont_(GetCurrentObject(canvas, OBJ_FONT)),
      // Outlines are stroked with the DC's own pen, recoloured with the text.
      previousPen_(SelectObject(canvas, GetStockObject(DC_PEN))) {
  SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, previousPen_);
  SelectObject(dc_, previousFont_);
}

void GdiCanvas::CopyBlock(CanvasSource source, int left, int top, int width, int height) {
  HDC from = sources_[static_cast<std::size_t>(source)];
  if (from) BitBlt(dc_, left, top, width, height, from, 0, 0, SRCCOPY);
}

void GdiCanvas::SetFontSize(int points) {
  if (points == fontSize_) return;
  fontSize_ = points;
  auto found = fonts_.find(points);
  if (found == fonts_.end()) {
    found = fonts_.emplace(points, forms::MakeFont(L"Arial", points, true, DEFAULT_CHARSET)).first;
  }
  SelectObject(dc_, found->second.get());
}

TextSize GdiCanvas::TextExtent(std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
  return TextSize{size.cx, size.cy};
}

void GdiCanvas::SetTextColour(ColorValue colour) {
  SetTextColor(dc_, colour);
  SetDCPenColor(dc_, colour);
}

void GdiCanvas::DrawPlainText(int x, int y, std::wstring_view text) {
  TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void GdiCanvas::DrawOutlinedText(int x, int y, std::wstring_view text) {
  BeginPath(dc_);
  TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
  EndPath(dc_);
  StrokePath(dc_);
}

}  // namespace chelan
