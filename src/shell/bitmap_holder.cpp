#include "shell/bitmap_holder.h"

namespace chelan {

BitmapHolder::~BitmapHolder() { Release(); }

void BitmapHolder::Release() {
  if (!dc_.get()) return;
  if (previousBitmap_) SelectObject(dc_.get(), previousBitmap_);
  if (previousPalette_) SelectPalette(dc_.get(), previousPalette_, TRUE);
  previousBitmap_ = nullptr;
  previousPalette_ = nullptr;
}

bool BitmapHolder::Hold(HDC image, SIZE size) {
  Release();
  ready_ = false;
  forms::ClientDc screen(nullptr);
  // The held picture is a copy: the source image stays free to be drawn on.
  bitmap_.Reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  if (!bitmap_) return false;
  {
    forms::MemoryDc copy(screen.get());
    forms::ScopedSelect into(copy.get(), bitmap_.get());
    BitBlt(copy.get(), 0, 0, size.cx, size.cy, image, 0, 0, SRCCOPY);
  }
  palette_.Reset(CreateHalftonePalette(nullptr));
  dc_ = forms::MemoryDc(nullptr);
  if (!palette_ || !dc_.get()) return false;
  previousPalette_ = SelectPalette(dc_.get(), palette_.get(), TRUE);
  previousBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  ready_ = previousBitmap_ != nullptr;
  return ready_;
}

}  // namespace chelan
