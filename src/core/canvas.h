#pragma once
// The marquee's off-screen drawing target: block copies from the page's prepared bitmaps, text in
// one font whose size changes, plain and outlined. GDI implements it on Windows, recorders in tests.
#include <string_view>

#include "core/color.h"

namespace chelan {

// Where a block copy takes its pixels from: the page's two bitmap holders and its two logo boxes.
enum class CanvasSource { BitmapHolder0, BitmapHolder1, LogoBox0, LogoBox1 };

// A text's width and height in pixels.
struct TextSize {
  int width = 0;
  int height = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Copies width × height pixels from the source's (0, 0) to (left, top); a source that is not
  // ready copies nothing and the caller goes on.
  virtual void CopyBlock(CanvasSource source, int left, int top, int width, int height) = 0;
  // Font size in points for later text; face and weight stay as they are.
  virtual void SetFontSize(int points) = 0;
  // Width and height in pixels of the text in the current font.
  virtual TextSize TextExtent(std::wstring_view text) = 0;
  // Colour of later text and of later outlines.
  virtual void SetTextColor(ColorValue color) = 0;
  // Text with its top-left corner at (x, y), without a background box.
  virtual void DrawPlainText(int x, int y, std::wstring_view text) = 0;
  // Only the outline of the letters at (x, y): the text traced as a path (begin path, text, end
  // path) and the path stroked in the text colour.
  virtual void DrawOutlinedText(int x, int y, std::wstring_view text) = 0;
};

}  // namespace chelan
