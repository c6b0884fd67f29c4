#include "reference_canvas.h"

namespace chelan {

ReferenceCanvas::ReferenceCanvas(HDC canvas, std::array<HDC, 4> sources)
    : dc_(canvas),
      sources_(sources),
      previousFont_(GetCurrentObject(canvas, OBJ_FONT)),
      // Outlines are stroked with the DC's own pen, recoloured with the text.
      previousPen_(SelectObject(canvas, GetStockObject(DC_PEN))) {
  SetBkMode(dc_, TRANSPARENT);
}

ReferenceCanvas::~ReferenceCanvas() {
  SelectObject(dc_, previousPen_);
  SelectObject(dc_, previousFont_);
}

void ReferenceCanvas::CopyBlock(CanvasSource source, int left, int top, int width, int height) {
  HDC from = sources_[static_cast<std::size_t>(source)];
  if (from) BitBlt(dc_, left, top, width, height, from, 0, 0, SRCCOPY);
}

void ReferenceCanvas::SetFontSize(int points) {
  if (points == fontSize_) return;
  fontSize_ = points;
  auto found = fonts_.find(points);
  if (found == fonts_.end()) {
    found = fonts_.emplace(points, forms::MakeFont(L"Arial", points, true, DEFAULT_CHARSET)).first;
  }
  SelectObject(dc_, found->second.get());
}

TextSize ReferenceCanvas::TextExtent(std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
  return TextSize{size.cx, size.cy};
}

void ReferenceCanvas::SetTextColor(ColorValue color) {
  ::SetTextColor(dc_, color);
  SetDCPenColor(dc_, color);
}

void ReferenceCanvas::DrawPlainText(int x, int y, std::wstring_view text) {
  TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void ReferenceCanvas::DrawOutlinedText(int x, int y, std::wstring_view text) {
  BeginPath(dc_);
  TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
  EndPath(dc_);
  StrokePath(dc_);
}

CanvasImage::CanvasImage(int width, int height) : width_(width), height_(height) {
  forms::ClientDc screen(nullptr);
  dc_ = forms::MemoryDc(screen.get());
  bitmap_ = forms::Bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  original_ = SelectObject(dc_.get(), bitmap_.get());
}

std::vector<DWORD> CanvasImage::Pixels() const {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> pixels(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  // A bitmap is read while no DC holds it.
  SelectObject(dc_.get(), original_);
  GetDIBits(dc_.get(), bitmap_.get(), 0, static_cast<UINT>(height_), pixels.data(), &info, DIB_RGB_COLORS);
  SelectObject(dc_.get(), bitmap_.get());
  return pixels;
}

}  // namespace chelan
