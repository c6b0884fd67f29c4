#include "shell/gdi_canvas.h"

#include <algorithm>

namespace chelan {

namespace {

// Where a row's pixels may reach beyond its line box (glyphs borrowed from another face, the
// outline's pen): half a line more on each side is far more than any face needs.
int Reach(int lineHeight) { return lineHeight / 2 + 2; }

// Paints the brush where the monochrome source is 0 and keeps the canvas where it is 1 (with the
// text colour black and the background white, as the source's 0 and 1 become): D ^ (S & (D ^ P)).
constexpr DWORD kBrushThroughMask = 0x00B8074A;

}  // namespace

GdiCanvas::GdiCanvas(HDC canvas, int width, int height, std::array<HDC, 4> sources)
    : dc_(canvas),
      width_(width),
      height_(height),
      sources_(sources),
      selectedColor_(GetTextColor(canvas)),
      previousFont_(GetCurrentObject(canvas, OBJ_FONT)),
      // Outlines are painted with the DC's own brush, or stroked with its own pen, in the text colour.
      previousPen_(SelectObject(canvas, GetStockObject(DC_PEN))),
      previousBrush_(SelectObject(canvas, GetStockObject(DC_BRUSH))) {
  SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, previousBrush_);
  SelectObject(dc_, previousPen_);
  SelectObject(dc_, previousFont_);
}

void GdiCanvas::CopyBlock(CanvasSource source, int left, int top, int width, int height) {
  HDC from = sources_[static_cast<std::size_t>(source)];
  if (!from) return;
  const bool wholeGradient = source == CanvasSource::BitmapHolder0 && left == 0 && top == 0 && width == width_ &&
                             height == height_;
  if (!wholeGradient) {
    BitBlt(dc_, left, top, width, height, from, 0, 0, SRCCOPY);
    MarkDrawn(top, top + height);
    return;
  }
  if (!gradientKnown_) {
    BitBlt(dc_, 0, 0, width_, height_, from, 0, 0, SRCCOPY);
    gradientKnown_ = true;
    drawn_.clear();
    return;
  }
  // Everywhere else the canvas still holds the gradient: put it back only where the frame before drew.
  std::sort(drawn_.begin(), drawn_.end());
  for (std::size_t i = 0; i < drawn_.size();) {
    int bandTop = drawn_[i].first;
    int bandBottom = drawn_[i].second;
    for (++i; i < drawn_.size() && drawn_[i].first <= bandBottom; ++i) bandBottom = std::max(bandBottom, drawn_[i].second);
    BitBlt(dc_, 0, bandTop, width_, bandBottom - bandTop, from, 0, bandTop, SRCCOPY);
  }
  drawn_.clear();
}

void GdiCanvas::MarkDrawn(int top, int bottom) {
  top = std::max(top, 0);
  bottom = std::min(bottom, height_);
  if (top < bottom) drawn_.emplace_back(top, bottom);
}

GdiCanvas::SizedFont& GdiCanvas::Font(int points) {
  auto found = fonts_.find(points);
  if (found == fonts_.end()) {
    SizedFont made{forms::MakeFont(L"Arial", points, true, DEFAULT_CHARSET)};
    HGDIOBJ before = SelectObject(dc_, made.font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    made.height = metrics.tmHeight;
    SelectObject(dc_, before);
    found = fonts_.emplace(points, std::move(made)).first;
  }
  return found->second;
}

void GdiCanvas::SetFontSize(int points) { wantedSize_ = points; }

void GdiCanvas::SelectWantedFont() {
  if (wantedSize_ == selectedSize_) return;
  SelectObject(dc_, Font(wantedSize_).font.get());
  selectedSize_ = wantedSize_;
}

TextSize GdiCanvas::TextExtent(std::wstring_view text) {
  SelectWantedFont();
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
  return TextSize{size.cx, size.cy};
}

void GdiCanvas::SetTextColor(ColorValue color) { wantedColor_ = color; }

bool GdiCanvas::OutsideCanvas(int y) {
  const int line = Font(wantedSize_).height;
  return y - Reach(line) >= height_ || y + line + Reach(line) <= 0;
}

void GdiCanvas::DrawPlainText(int x, int y, std::wstring_view text) {
  if (OutsideCanvas(y)) return;
  SelectWantedFont();
  if (!colorSelected_ || selectedColor_ != wantedColor_) {
    ::SetTextColor(dc_, wantedColor_);
    selectedColor_ = wantedColor_;
    colorSelected_ = true;
  }
  // Every row reads left to right and needs no complex-script shaping: without the language step
  // (bidirectional reordering and shaping, run for every row of every frame under Wine) the same
  // pixels come out for much less work.
  ExtTextOutW(dc_, x, y, ETO_IGNORELANGUAGE, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  const int line = Font(wantedSize_).height;
  MarkDrawn(y - Reach(line), y + line + Reach(line));
}

const GdiCanvas::OutlineMask& GdiCanvas::MaskOf(std::wstring_view text) {
  const auto key = std::make_pair(wantedSize_, std::wstring(text));
  if (auto found = masks_.find(key); found != masks_.end()) return found->second;
  SelectWantedFont();
  SIZE extent{};
  GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &extent);
  const int reach = Reach(Font(wantedSize_).height);
  OutlineMask mask;
  mask.width = extent.cx + 2 * reach;
  mask.height = extent.cy + 2 * reach;
  // The outline is traced and stroked exactly as on the canvas, in white on black on an image of
  // the canvas's own kind, then kept as one bit per pixel.
  forms::MemoryDc traced(dc_);
  forms::Bitmap tracedBits(CreateCompatibleBitmap(dc_, mask.width, mask.height));
  {
    forms::ScopedSelect image(traced.get(), tracedBits.get());
    forms::ScopedSelect font(traced.get(), Font(wantedSize_).font.get());
    forms::ScopedSelect pen(traced.get(), GetStockObject(DC_PEN));
    PatBlt(traced.get(), 0, 0, mask.width, mask.height, BLACKNESS);
    SetDCPenColor(traced.get(), RGB(255, 255, 255));
    SetBkMode(traced.get(), TRANSPARENT);
    BeginPath(traced.get());
    TextOutW(traced.get(), reach, reach, text.data(), static_cast<int>(text.size()));
    EndPath(traced.get());
    StrokePath(traced.get());
    mask.dc = forms::MemoryDc(dc_);
    mask.bits = forms::Bitmap(CreateBitmap(mask.width, mask.height, 1, 1, nullptr));
    SelectObject(mask.dc.get(), mask.bits.get());
    // Pixels of the source's background colour become 1: all but the stroke.
    SetBkColor(traced.get(), RGB(0, 0, 0));
    BitBlt(mask.dc.get(), 0, 0, mask.width, mask.height, traced.get(), 0, 0, SRCCOPY);
  }
  return masks_.emplace(key, std::move(mask)).first->second;
}

void GdiCanvas::DrawOutlinedText(int x, int y, std::wstring_view text) {
  if (OutsideCanvas(y)) return;
  const OutlineMask& mask = MaskOf(text);
  const int reach = Reach(Font(wantedSize_).height);
  const int left = x - reach;
  const int top = y - reach;
  MarkDrawn(top, top + mask.height);
  if (left < 0 || top < 0 || left + mask.width > width_ || top + mask.height > height_) {
    // A stroke cut by the canvas edge does not always fall on the pixels of the whole stroke: at
    // the edges the outline is traced where it lies.
    SelectWantedFont();
    SetDCPenColor(dc_, wantedColor_);
    BeginPath(dc_);
    TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
    EndPath(dc_);
    StrokePath(dc_);
    return;
  }
  SetDCBrushColor(dc_, wantedColor_);
  ::SetTextColor(dc_, RGB(0, 0, 0));
  const COLORREF background = SetBkColor(dc_, RGB(255, 255, 255));
  BitBlt(dc_, left, top, mask.width, mask.height, mask.dc.get(), 0, 0, kBrushThroughMask);
  SetBkColor(dc_, background);
  colorSelected_ = false;
}

}  // namespace chelan
