// The program's start: the start-up sequence, then skin page 1 and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "forms/form.h"
#include "platform/win32_services.h"
#include "app/skin_pages.h"
#include "startup/Module1.h"
#include "startup/frmpass.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);

  chelan::Win32Services services;
  std::string storedpass;
  chelan::frmpass login(services, storedpass);
  if (chelan::Module1::Main(services, login, storedpass) == chelan::Module1::StartupOutcome::EndProgram) {
    services.EndProgram();
  }

  // The pages, the mixer and the puzzle live until the program ends.
  static chelan::SkinPages pages(services);
  pages.Open(1);
  pages.page1.SetCaption(L"澈岚皮肤v6.1版  欢迎使用");
  return chelan::forms::RunMessageLoop();
}
