#include "skin/frmFancyfrm.h"

namespace chelan {

frmFancyfrm::frmFancyfrm(Services& services) : services_(services) {}

void frmFancyfrm::Load() {
  if (Exists()) return;
  CreateForm(L"ChelanFrmFancyfrm", L"澈岚皮肤v6.1版 欢迎使用", 9045, 6165, RGB(255, 255, 128),
             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
}

std::optional<LRESULT> frmFancyfrm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE || message == WM_ENDSESSION) {
    // Closing a page ends the whole program at once; nothing is restored.
    services_.EndProgram();
    return 0;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace chelan
