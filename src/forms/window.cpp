#include "forms/window.h"

#include <utility>

#include "forms/control.h"
#include "forms/timer.h"

namespace chelan::forms {

Window::~Window() {
  // The derived form and its controls are gone by now: the window must not reach them.
  destroying_ = true;
  DestroyOwnWindow();
  EndTimers();
}

void Window::EndTimers() {
  const std::map<UINT_PTR, Timer*> timers = std::exchange(timers_, {});
  for (const auto& [id, timer] : timers) timer->Ended();
}

void Window::SetBackColor(COLORREF color) {
  background_ = color;
  backgroundBrush_ = SolidBrush(color);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style,
                             const std::wstring& text, const RECT& bounds, HWND parent, HMENU menuOrId,
                             COLORREF background, UINT classStyle) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(instance, className, &existing)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
  }
  SetBackColor(background);
  CreateWindowExW(exStyle, className, text.c_str(), style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menuOrId, instance, this);
}

void Window::DestroyOwnWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

std::optional<LRESULT> Window::OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_DESTROY) self->destroying_ = true;
  if (message == WM_NCDESTROY) {
    // The last message the window gets: the object no longer has a window after it, nor timers.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->destroying_ = false;
    self->EndTimers();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->Dispatch(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    const auto timer = timers_.find(wParam);
    if (timer != timers_.end()) {
      timer->second->Fire();
      return 0;
    }
  }
  if (std::optional<LRESULT> own = OnMessage(message, wParam, lParam)) return *own;
  if (!destroying_) {
    if (std::optional<LRESULT> reflected = ReflectToControl(message, wParam, lParam)) return *reflected;
  }
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_.get());
    return 1;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace chelan::forms
