#include "skin/frmFancyfrm2.h"

#include "skin/page_designs.h"

namespace chelan {

namespace {

enum ControlId { kOption1 = 3201, kCommand1, kCommand2 };

}  // namespace

frmFancyfrm2::frmFancyfrm2(Services& services, PageSet& pageSet, FrameClock& clock,
                           std::function<void(ColorValue)> setPage1Pending, std::function<void()> openPuzzle)
    : ColorPage(services, pageSet, clock, kPage3Design, L"ChelanFrmFancyfrm2"),
      setPage1Pending_(std::move(setPage1Pending)),
      openPuzzle_(std::move(openPuzzle)) {}

void frmFancyfrm2::LoadColorControls() {
  const HWND form = hwnd();
  Option1.Create(form, L"澈岚指定按钮文字颜色为海蓝", {30, 4290, 2745, 345}, kOption1);
  Command2.Create(form, L"确 定", {30, 4650, 885, 465}, kCommand2);
  Command1.Create(picStatusBar.hwnd(), L"澈岚附赠澈岚皮肤专用拼图智力训练游戏", {870, 360, 1875, 465}, kCommand1);
  Option1.SetColors(RGB(0, 0, 0), Design().windowBack);
  for (forms::Control* control : std::initializer_list<forms::Control*>{&Option1, &Command2, &Command1}) {
    control->SetFont(font_.get());
  }
  // The long caption needs two lines in its button.
  SetWindowLongPtrW(Command1.hwnd(), GWL_STYLE, GetWindowLongPtrW(Command1.hwnd(), GWL_STYLE) | BS_MULTILINE);
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  WireOption(Option1);
  BringToFront({&Option1, &Command2});
}

void frmFancyfrm2::Command2_Click() {
  const Confirmation confirmation = Model().Confirm();
  ApplyWrites(confirmation.writes);
  if (confirmation.page1Pending) setPage1Pending_(*confirmation.page1Pending);
}

void frmFancyfrm2::Command1_Click() {
  if (openPuzzle_) openPuzzle_();
}

}  // namespace chelan
