#include "forms/input_box.h"

namespace chelan::forms {

InputBoxForm::InputBoxForm(std::wstring prompt, std::wstring title, HWND owner)
    : prompt_(std::move(prompt)), title_(std::move(title)), owner_(owner) {}

void InputBoxForm::Load() {
  if (Exists()) return;
  CreateForm(L"ChelanInputBox", title_, 4800, 1800, GetSysColor(COLOR_BTNFACE),
             WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, owner_);
  font_ = MakeFont(L"宋体", 9, false);
  // The entry first, so that it has the focus; OK carries IDOK and Cancel IDCANCEL, so Enter and
  // Esc answer the box.
  Entry.Create(hwnd(), L"", {180, 1200, 3200, 330}, 100);
  Ok.Create(hwnd(), L"确定", {3600, 180, 1020, 360}, IDOK);
  Cancel.Create(hwnd(), L"取消", {3600, 630, 1020, 360}, IDCANCEL);
  Prompt.Create(hwnd(), prompt_, {180, 180, 3300, 900}, 101);
  for (Control* control : std::initializer_list<Control*>{&Entry, &Ok, &Cancel, &Prompt}) {
    control->SetFont(font_.get());
  }
  Ok.Click = [this] {
    answer_ = Entry.Text();
    Close();
  };
  Cancel.Click = [this] { Close(); };
}

std::optional<LRESULT> InputBoxForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Esc arrives as IDCANCEL without a control of its own when the focus is in the entry.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && lParam == 0) {
    Close();
    return 0;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace chelan::forms
