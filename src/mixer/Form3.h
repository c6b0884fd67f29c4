#pragma once
// The colour mixer beside skin page 1: three sliders paint channel and mixed-colour gradient
// previews, and page 1 reads the sliders as its colour.
#include <optional>
#include <string>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/gdi.h"
#include "forms/painted_picture_box.h"
#include "forms/picture_box.h"
#include "forms/trackbar.h"
#include "mixer/frmBackground.h"
#include "platform/services.h"

namespace chelan {

class Form3 : public forms::Form {
 public:
  explicit Form3(Services& services);

  // Shows the mixer modeless. The first showing creates it owned by owner, so that it stays above
  // the owner and goes with it; later showings keep that owner.
  void Show(HWND owner);
  using forms::Form::Show;
  // The same without taking the activation, for a page that keeps the mixer beside itself.
  void ShowBeside(HWND owner);
  void Load() override;

  // The window's outer top-left corner on the screen, in twips.
  int Left() const;
  int Top() const;
  void SetLeft(int twips);
  void SetTop(int twips);

  // The window "背景颜色" opens.
  frmBackground& BackgroundWindow() { return backgroundWindow_; }

  // The panel holds every other control.
  forms::PictureBox SSPanel1;
  forms::Trackbar Slider1, Slider2, Slider3;
  forms::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
  forms::PictureBox Picture1, Picture2, Picture4;
  forms::PaintedPictureBox Picture3;
  forms::CheckBox Check1;
  forms::Button Command1, Command2, Command3, Command4;

  void Slider1_Change();
  void Slider2_Change();
  void Slider3_Change();
  void Check1_Click();
  void Form_Resize();
  void Picture3_Paint();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct BackgroundGradient {
    int r, g, b;
    bool topDown;
  };

  int R() const { return Slider1.Value(); }
  int G() const { return Slider2.Value(); }
  int B() const { return Slider3.Value(); }
  int D() const { return Check1.Value() ? 1 : 0; }
  std::wstring SyntaxLine() const;
  void PaintMixedPreview();
  void DrawShapes();
  void PaintBackground(HDC dc);
  void ColorLabel4();

  Services& services_;
  HWND owner_ = nullptr;
  bool loaded_ = false;
  // The window's background as the last resize painted it, kept for its repaints.
  std::optional<BackgroundGradient> background_;
  frmBackground backgroundWindow_;
  forms::Font font_;
  forms::Font italicFont_;
};

}  // namespace chelan
