#pragma once
// The portable drawing interfaces on a GDI device context: lines for the raised frame and pixels
// for the logo tones.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/lines.h"
#include "core/surface.h"
#include "core/pixels.h"

namespace chelan {

// Lines in the DC's stock pen, recoloured without creating a pen.
class DcLinePainter : public LinePainter {
 public:
  explicit DcLinePainter(HDC dc);
  ~DcLinePainter() override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPenColor(ColorValue color) override;

 private:
  HDC dc_;
  HGDIOBJ previousPen_;
};

// Filled rectangles in pixels on a DC's image of the given size, in the DC's own brush recoloured,
// so that no brush is made per fill.
class DcSurface : public Surface {
 public:
  DcSurface(HDC dc, SIZE size);
  ~DcSurface() override;
  double OuterWidth() const override { return size_.cx; }
  double OuterHeight() const override { return size_.cy; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override;

 private:
  HDC dc_;
  SIZE size_;
  HGDIOBJ previousBrush_;
};

// The pixels of the bitmap selected into a DC, read once and written back by Store: a GDI call per
// pixel would cost far more than the work itself.
class DcPixelImage : public PixelImage {
 public:
  DcPixelImage(HDC dc, SIZE size);
  int Width() const override { return size_.cx; }
  int Height() const override { return size_.cy; }
  ColorValue GetPixel(int x, int y) const override;
  void SetPixel(int x, int y, ColorValue color) override;
  // Puts the pixels back into the DC's bitmap.
  void Store() const;

 private:
  BITMAPINFO Format() const;

  HDC dc_;
  SIZE size_;
  std::vector<std::uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace chelan
