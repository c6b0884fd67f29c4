#pragma once
// A bitmap holder: a memory DC compatible with the screen, with a halftone background palette,
// holding a picture's bitmap ready for block copies.
#include <windows.h>

#include "forms/gdi.h"

namespace chelan {

class BitmapHolder {
 public:
  BitmapHolder() = default;
  BitmapHolder(const BitmapHolder&) = delete;
  BitmapHolder& operator=(const BitmapHolder&) = delete;
  ~BitmapHolder();

  // Takes a copy of the given image (size in pixels) as the held picture. False when something
  // could not be made; whatever was made stays held.
  bool Hold(HDC image, SIZE size);
  HDC Dc() const { return dc_.get(); }
  bool Ready() const { return ready_; }

 private:
  void Release();

  // Destroyed in reverse: the DC gives back what it held before the bitmap and palette go.
  forms::Palette palette_;
  forms::Bitmap bitmap_;
  forms::MemoryDc dc_;
  HPALETTE previousPalette_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  bool ready_ = false;
};

}  // namespace chelan
