#pragma once
// The portable drawing interfaces on a GDI device context: lines for the raised frame and pixels
// for the logo tones.
#include <windows.h>

#include "core/lines.h"
#include "core/pixels.h"

namespace chelan {

// Lines in the DC's stock pen, recoloured without creating a pen.
class DcLinePainter : public LinePainter {
 public:
  explicit DcLinePainter(HDC dc);
  ~DcLinePainter() override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPenColor(ColorValue colour) override;

 private:
  HDC dc_;
  HGDIOBJ previousPen_;
};

class DcPixelImage : public PixelImage {
 public:
  DcPixelImage(HDC dc, SIZE size) : dc_(dc), size_(size) {}
  int Width() const override { return size_.cx; }
  int Height() const override { return size_.cy; }
  ColorValue GetPixel(int x, int y) const override;
  void SetPixel(int x, int y, ColorValue colour) override;

 private:
  HDC dc_;
  SIZE size_;
};

}  // namespace chelan
