#pragma once
// The marquee canvas on GDI: the hidden body box's persistent image, drawn in Arial bold, with the
// page's bitmap holders and logo boxes as copy sources. One font per size, made once.
#include <windows.h>

#include <array>
#include <map>

#include "core/canvas.h"
#include "forms/gdi.h"

namespace chelan {

class GdiCanvas : public Canvas {
 public:
  // sources: the DCs of bitmap holder 0, bitmap holder 1, logo box 0 and logo box 1, in the order
  // of CanvasSource; a null DC is a source that is not ready.
  GdiCanvas(HDC canvas, std::array<HDC, 4> sources);
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;
  ~GdiCanvas() override;

  void CopyBlock(CanvasSource source, int left, int top, int width, int height) override;
  void SetFontSize(int points) override;
  TextSize TextExtent(std::wstring_view text) override;
  void SetTextColour(ColorValue colour) override;
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

}  // namespace chelan
