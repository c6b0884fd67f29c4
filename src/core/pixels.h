#pragma once
// An image whose pixels are read and written one at a time: the tone scaler works over it.
#include "core/color.h"

namespace chelan {

class PixelImage {
 public:
  virtual ~PixelImage() = default;
  // Inner size in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Callers stay inside 0 <= x < Width(), 0 <= y < Height().
  virtual ColorValue GetPixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, ColorValue color) = 0;
};

}  // namespace chelan
