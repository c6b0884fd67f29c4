#pragma once
// The marquee canvas as the pages first drew it on GDI: every call goes straight to the device
// context, the title's outline traced and stroked each time. Kept as the reference that the page's
// own canvas must match pixel for pixel, and as the "before" of the frame timings.
#include <windows.h>

#include <array>
#include <map>
#include <vector>

#include "core/canvas.h"
#include "forms/gdi.h"

namespace chelan {

class ReferenceCanvas : public Canvas {
 public:
  // sources: the DCs of bitmap holder 0, bitmap holder 1, logo box 0 and logo box 1, in the order
  // of CanvasSource; a null DC is a source that is not ready.
  ReferenceCanvas(HDC canvas, std::array<HDC, 4> sources);
  ReferenceCanvas(const ReferenceCanvas&) = delete;
  ReferenceCanvas& operator=(const ReferenceCanvas&) = delete;
  ~ReferenceCanvas() override;

  void CopyBlock(CanvasSource source, int left, int top, int width, int height) override;
  void SetFontSize(int points) override;
  TextSize TextExtent(std::wstring_view text) override;
  void SetTextColor(ColorValue color) override;
  void DrawPlainText(int x, int y, std::wstring_view text) override;
  void DrawOutlinedText(int x, int y, std::wstring_view text) override;

 private:
  HDC dc_;
  std::array<HDC, 4> sources_;
  std::map<int, forms::Font> fonts_;
  int fontSize_ = 0;
  HGDIOBJ previousFont_;
  HGDIOBJ previousPen_;
};

// An image of the canvas's kind (the screen's format, like the body box's), to compose frames on
// beside the page's own canvas.
class CanvasImage {
 public:
  CanvasImage(int width, int height);
  HDC Dc() const { return dc_.get(); }
  // Every pixel, top row first, as 32-bit values.
  std::vector<DWORD> Pixels() const;

 private:
  int width_, height_;
  forms::MemoryDc dc_;
  forms::Bitmap bitmap_;
  HGDIOBJ original_ = nullptr;
};

}  // namespace chelan
