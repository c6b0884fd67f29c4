#include "shell/gdi_drawing.h"

namespace chelan {

DcLinePainter::DcLinePainter(HDC dc) : dc_(dc), previousPen_(SelectObject(dc, GetStockObject(DC_PEN))) {}

DcLinePainter::~DcLinePainter() { SelectObject(dc_, previousPen_); }

void DcLinePainter::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void DcLinePainter::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void DcLinePainter::SetPenColor(ColorValue color) { SetDCPenColor(dc_, color); }

DcSurface::DcSurface(HDC dc, SIZE size)
    : dc_(dc), size_(size), previousBrush_(SelectObject(dc, GetStockObject(DC_BRUSH))) {}

DcSurface::~DcSurface() { SelectObject(dc_, previousBrush_); }

// Both corners belong to the rectangle; the image clips what lies beyond it.
void DcSurface::FillRect(int left, int top, int right, int bottom, ColorValue color) {
  SetDCBrushColor(dc_, color);
  PatBlt(dc_, left, top, right - left + 1, bottom - top + 1, PATCOPY);
}

DcPixelImage::DcPixelImage(HDC dc, SIZE size)
    : dc_(dc), size_(size), pixels_(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy)) {
  BITMAPINFO format = Format();
  GetDIBits(dc_, static_cast<HBITMAP>(GetCurrentObject(dc_, OBJ_BITMAP)), 0, static_cast<UINT>(size_.cy),
            pixels_.data(), &format, DIB_RGB_COLORS);
}

BITMAPINFO DcPixelImage::Format() const {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size_.cx;
  format.bmiHeader.biHeight = -size_.cy;  // top-down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

// DIB pixels are 0x00RRGGBB; colour values keep red in the low byte.
ColorValue DcPixelImage::GetPixel(int x, int y) const {
  const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.cx) + static_cast<std::size_t>(x)];
  return Rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
}

void DcPixelImage::SetPixel(int x, int y, ColorValue color) {
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.cx) + static_cast<std::size_t>(x)] =
      static_cast<std::uint32_t>(RedOf(color)) << 16 | static_cast<std::uint32_t>(GreenOf(color)) << 8 |
      static_cast<std::uint32_t>(BlueOf(color));
}

void DcPixelImage::Store() const {
  BITMAPINFO format = Format();
  SetDIBits(dc_, static_cast<HBITMAP>(GetCurrentObject(dc_, OBJ_BITMAP)), 0, static_cast<UINT>(size_.cy),
            pixels_.data(), &format, DIB_RGB_COLORS);
}

}  // namespace chelan
