#include "forms/twips.h"

#include <windows.h>

namespace chelan::forms {

namespace {

int ScreenDpi(int index) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

// The resolution cannot change under a system-DPI-aware program, so it is read once.
int ScreenDpiX() {
  static const int dpi = ScreenDpi(LOGPIXELSX);
  return dpi;
}

int ScreenDpiY() {
  static const int dpi = ScreenDpi(LOGPIXELSY);
  return dpi;
}

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpiX(), 1440); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpiY(), 1440); }
int PixelsToTwipsX(int pixels) { return MulDiv(pixels, 1440, ScreenDpiX()); }
int PixelsToTwipsY(int pixels) { return MulDiv(pixels, 1440, ScreenDpiY()); }

}  // namespace chelan::forms
