#include "skin/frmFancyfrm1.h"

#include "skin/page_designs.h"

namespace chelan {

namespace {

enum ControlId { kOption1 = 3101, kCommand2, kCommand8, kLabel2 };

}  // namespace

frmFancyfrm1::frmFancyfrm1(Services& services, PageSet& pageSet, FrameClock& clock,
                           std::function<void(ColorValue)> setPage1Pending)
    : ColorPage(services, pageSet, clock, kPage2Design, L"ChelanFrmFancyfrm1"),
      setPage1Pending_(std::move(setPage1Pending)) {}

void frmFancyfrm1::LoadColorControls() {
  const HWND form = hwnd();
  const HWND status = picStatusBar.hwnd();
  Option1.Create(form, L"澈岚设定菜单文字颜色为海蓝", {120, 4740, 2715, 255}, kOption1);
  Command2.Create(form, L"确 定", {1830, 4980, 1005, 345}, kCommand2);
  Command8.Create(status, L"选择菜单背景色", {1440, 0, 1455, 375}, kCommand8);
  Label2.Create(status, L"海蓝是安全色彩", {90, 720, 1695, 285}, kLabel2);
  Option1.SetColors(RGB(0, 0, 0), Design().windowBack);
  Label2.SetColors(RGB(255, 255, 255), Design().statusBack);
  for (forms::Control* control : std::initializer_list<forms::Control*>{&Option1, &Command2, &Command8, &Label2}) {
    control->SetFont(font_.get());
  }
  Command2.Click = [this] { Command2_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  WireOption(Option1);
  BringToFront({&Option1, &Command2});
}

void frmFancyfrm1::Command2_Click() {
  const Confirmation confirmation = Model().Confirm();
  ApplyWrites(confirmation.writes);
  if (confirmation.page1Pending) setPage1Pending_(*confirmation.page1Pending);
  // The page repaints in every case, so that its own menu bar shows the new colours.
  if (confirmation.repaint) {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

void frmFancyfrm1::Command8_Click() { ChooseSwatchColor(); }

}  // namespace chelan
