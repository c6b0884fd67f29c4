#include "forms/form.h"

#include <vector>

#include "forms/twips.h"

namespace chelan::forms {

namespace {

bool PreTranslate(MSG& msg) {
  // Tab and arrow keys move between controls, as in a dialog. Only keys take part: finding the
  // root window is a round trip through the wine server under Wine, and for every other message
  // the dialog manager would only translate and dispatch it, as the loop does itself.
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return root && IsDialogMessageW(root, &msg);
}

BOOL CALLBACK CollectEnabled(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

}  // namespace

std::wstring Form::Caption() const {
  std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1);
  const int copied = GetWindowTextW(hwnd(), buffer.data(), static_cast<int>(buffer.size()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

void Form::SetCaption(const std::wstring& caption) { SetWindowTextW(hwnd(), caption.c_str()); }

void Form::Show() {
  if (!Exists()) Load();
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void Form::Hide() {
  if (Exists()) ShowWindow(hwnd(), SW_HIDE);
}

void Form::ShowModal() {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND window : disabled) EnableWindow(window, FALSE);

  Show();
  MSG msg;
  while (Exists()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    if (got == -1) break;
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

void Form::CreateForm(const wchar_t* className, const std::wstring& caption, int clientWidthTwips,
                      int clientHeightTwips, COLORREF background, DWORD style, HWND owner, UINT classStyle) {
  RECT bounds{0, 0, TwipsToPixelsX(clientWidthTwips), TwipsToPixelsY(clientHeightTwips)};
  AdjustWindowRectEx(&bounds, style, FALSE, 0);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  focused_ = nullptr;
  menu_ = nullptr;
  CreateOwnWindow(className, 0, style, caption, RECT{left, top, left + width, top + height}, owner, nullptr,
                  background, classStyle);
}

void Form::AttachMenu(MenuBar& menu) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  SetMenu(hwnd(), menu.handle());
  menu.MarkAttached();
  menu_ = &menu;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
  AdjustWindowRectEx(&client, style, TRUE, exStyle);
  // The window grows by the bar's height; it grows as much upwards as downwards, so that a window
  // placed in the centre stays there.
  RECT window{};
  GetWindowRect(hwnd(), &window);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const int left = window.left + ((window.right - window.left) - width) / 2;
  const int top = window.top + ((window.bottom - window.top) - height) / 2;
  SetWindowPos(hwnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0 && menu_) {
    if (menu_->Dispatch(LOWORD(wParam))) return 0;
    return std::nullopt;
  }
  if (message != WM_ACTIVATE) return std::nullopt;
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) focused_ = focus;
    return 0;
  }
  if (!focused_ || !IsChild(hwnd(), focused_) || !IsWindowVisible(focused_)) {
    // A new window, or one whose focused control has gone: the first control in tab order.
    focused_ = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
  }
  if (focused_) SetFocus(focused_);
  return 0;
}

void DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace chelan::forms
