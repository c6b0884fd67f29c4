#include "mixer/twips_surface.h"

#include <algorithm>
#include <cstdint>

#include "forms/gdi.h"
#include "forms/twips.h"
#include "mixer/Grad.h"

namespace chelan {

namespace {

// A twip line belongs to the pixel that contains it, so two bands that share a line in twips share
// that pixel row too, and the later one paints over it. Lines above or left of the origin (bands
// drawn upwards past the top edge) round down the same way.
std::int64_t TwipToPixel(int twips, int dpi) {
  const std::int64_t scaled = static_cast<std::int64_t>(twips) * dpi;
  std::int64_t pixel = scaled / 1440;
  if (scaled % 1440 != 0 && scaled < 0) --pixel;
  return pixel;
}

SIZE OuterSizeOf(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

SIZE InnerSizeOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

void Paint(Surface& surface, int r, int g, int b, bool topDown) {
  std::int32_t red = r, green = g, blue = b;
  Grad::Gradient(surface, red, green, blue, topDown);
}

}  // namespace

TwipsSurface::TwipsSurface(HDC dc, SIZE outer, SIZE inner) : dc_(dc), outer_(outer), inner_(inner) {}

double TwipsSurface::OuterWidth() const { return forms::PixelsToTwipsX(outer_.cx); }

double TwipsSurface::OuterHeight() const { return forms::PixelsToTwipsY(outer_.cy); }

void TwipsSurface::FillRect(int left, int top, int right, int bottom, ColorValue color) {
  const int dpiX = forms::ScreenDpiX();
  const int dpiY = forms::ScreenDpiY();
  const std::int64_t x1 = TwipToPixel(std::min(left, right), dpiX);
  const std::int64_t x2 = TwipToPixel(std::max(left, right), dpiX);
  const std::int64_t y1 = TwipToPixel(std::min(top, bottom), dpiY);
  const std::int64_t y2 = TwipToPixel(std::max(top, bottom), dpiY);
  // Both corners are part of the rectangle, so the far pixel is filled too.
  RECT area{static_cast<LONG>(std::max<std::int64_t>(x1, 0)), static_cast<LONG>(std::max<std::int64_t>(y1, 0)),
            static_cast<LONG>(std::min<std::int64_t>(x2 + 1, inner_.cx)),
            static_cast<LONG>(std::min<std::int64_t>(y2 + 1, inner_.cy))};
  if (area.left >= area.right || area.top >= area.bottom) return;
  // The stock DC brush takes each band's colour: no brush is made per band.
  SetDCBrushColor(dc_, color);
  ::FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void PaintGradient(forms::PictureBox& box, int r, int g, int b, bool topDown) {
  const SIZE inner = box.InnerSize();
  TwipsSurface surface(box.Dc(), box.OuterSize(), inner);
  Paint(surface, r, g, b, topDown);
  // Shown straight away instead of by Refresh: a repaint request is the box's own Paint event,
  // which the program's drawing must not set off.
  forms::ClientDc screen(box.hwnd());
  BitBlt(screen.get(), 0, 0, inner.cx, inner.cy, box.Dc(), 0, 0, SRCCOPY);
}

void PaintGradient(HWND window, HDC dc, int r, int g, int b, bool topDown) {
  TwipsSurface surface(dc, OuterSizeOf(window), InnerSizeOf(window));
  Paint(surface, r, g, b, topDown);
}

}  // namespace chelan
