#pragma once
// Twips (1/1440 inch) to pixels at the real screen resolution: 15 twips a pixel at 96 DPI.

namespace chelan::forms {

int ScreenDpiX();
int ScreenDpiY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// A rectangle as forms are designed: left, top, width, height in twips.
struct TwipRect {
  int left, top, width, height;
};

}  // namespace chelan::forms
