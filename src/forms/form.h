#pragma once
// A top-level window designed in twips: created on first show, with its controls as members of the
// derived class and its behaviour in handlers named after control and event.
#include <windows.h>

#include <string>

#include "forms/menu.h"
#include "forms/window.h"

namespace chelan::forms {

class Form : public Window {
 public:
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);
  bool Visible() const { return hwnd() && IsWindowVisible(hwnd()); }
  void Show();
  void Hide();
  // Shows the window and returns when it has been closed; the rest of the program's windows take
  // no input meanwhile.
  void ShowModal();
  // Destroys the window; the object stays and can create it again.
  void Close() { DestroyOwnWindow(); }
  bool Minimized() const { return hwnd() && IsIconic(hwnd()); }
  // Gives the window its menu bar, keeping the client area's size and the window's centre; the
  // bar's items run their handlers from then on.
  void AttachMenu(MenuBar& menu);

 protected:
  // Creates the window hidden, its client area the given size in twips, centred on the screen.
  void CreateForm(const wchar_t* className, const std::wstring& caption, int clientWidthTwips,
                  int clientHeightTwips, COLORREF background, DWORD style, HWND owner = nullptr,
                  UINT classStyle = 0);
  // Creates the window and its controls; called by the first Show. Does nothing when it exists.
  virtual void Load() = 0;

  // Keeps the focused control across deactivation, as a dialog does, and runs menu items. Forms
  // that handle more messages call this for the rest.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND focused_ = nullptr;
  MenuBar* menu_ = nullptr;
};

// Lets the window messages that are waiting run, then returns (for long drawing loops).
void DoEvents();

// Runs the program's message loop until WM_QUIT, with keyboard navigation in every form.
int RunMessageLoop();

}  // namespace chelan::forms
