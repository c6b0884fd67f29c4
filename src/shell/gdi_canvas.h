#pragma once
// The marquee canvas on GDI: the hidden body box's persistent image, drawn in Arial bold, with the
// page's bitmap holders and logo boxes as copy sources. A frame costs little because the canvas
// only does what changes pixels: rows that lie wholly outside it are not drawn, fonts and colours
// reach the device context only before something is drawn in them, the gradient is put back only
// where the frame before drew, and the title's outline is traced once into a mask that each frame
// paints in the row's colour.
#include <windows.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/canvas.h"
#include "forms/gdi.h"

namespace chelan {

class GdiCanvas : public Canvas {
 public:
  // canvas: the DC of the body box's image, of which width × height pixels make the canvas.
  // sources: the DCs of bitmap holder 0, bitmap holder 1, logo box 0 and logo box 1, in the order
  // of CanvasSource; a null DC is a source that is not ready. Nothing else may draw on the canvas
  // while this object lives: it relies on knowing what the image holds.
  GdiCanvas(HDC canvas, int width, int height, std::array<HDC, 4> sources);
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;
  ~GdiCanvas() override;

  void CopyBlock(CanvasSource source, int left, int top, int width, int height) override;
  void SetFontSize(int points) override;
  TextSize TextExtent(std::wstring_view text) override;
  void SetTextColor(ColorValue color) override;
  void DrawPlainText(int x, int y, std::wstring_view text) override;
  void DrawOutlinedText(int x, int y, std::wstring_view text) override;

 private:
  struct SizedFont {
    forms::Font font;
    int height = 0;  // of a line, in pixels
  };
  // The pixels of an outlined text: 0 bits where the stroke lies, with a margin around the text.
  struct OutlineMask {
    forms::Bitmap bits;
    forms::MemoryDc dc;
    int width = 0;
    int height = 0;
  };

  SizedFont& Font(int points);
  void SelectWantedFont();
  // Whether a row of the current font at y lies wholly above or below the canvas.
  bool OutsideCanvas(int y);
  // Notes the canvas rows from top to bottom as drawn on since the gradient was last put back.
  void MarkDrawn(int top, int bottom);
  const OutlineMask& MaskOf(std::wstring_view text);

  HDC dc_;
  int width_;
  int height_;
  std::array<HDC, 4> sources_;
  std::map<int, SizedFont> fonts_;
  int wantedSize_ = 0;    // the size the caller asked for last
  int selectedSize_ = 0;  // the size of the font in the DC
  ColorValue wantedColor_ = 0;
  ColorValue selectedColor_;
  bool colorSelected_ = false;
  // Canvas rows drawn on since the gradient was last put back, as [top, bottom) spans; none known
  // before the first full copy.
  std::vector<std::pair<int, int>> drawn_;
  bool gradientKnown_ = false;
  std::map<std::pair<int, std::wstring>, OutlineMask> masks_;
  HGDIOBJ previousFont_;
  HGDIOBJ previousPen_;
  HGDIOBJ previousBrush_;
};

}  // namespace chelan
