#pragma once
// A window of one of our own classes whose messages reach a C++ object: the base of forms and of
// container boxes. Child controls' notifications are reflected to the control objects.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "forms/gdi.h"

namespace chelan::forms {

class Timer;

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  bool Exists() const { return hwnd_ != nullptr; }
  COLORREF BackColor() const { return background_; }
  void SetBackColor(COLORREF color);

 protected:
  // Registers the class on first use, with the given class style; the class draws no background of
  // its own (WM_ERASEBKGND paints BackColor) so that the colour can change at run time.
  void CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const std::wstring& text,
                       const RECT& bounds, HWND parent, HMENU menuOrId, COLORREF background, UINT classStyle = 0);
  void DestroyOwnWindow();

  // A form's or box's own handling of a message; nothing means "not handled here".
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  friend class Timer;
  // The window's own timers by id; Windows ends them with the window.
  void AddTimer(UINT_PTR id, Timer* timer) { timers_[id] = timer; }
  void RemoveTimer(UINT_PTR id) { timers_.erase(id); }
  void EndTimers();

  HWND hwnd_ = nullptr;
  // From the start of the window's destruction until its end, notifications reach no control.
  bool destroying_ = false;
  std::map<UINT_PTR, Timer*> timers_;
  COLORREF background_ = RGB(255, 255, 255);
  Brush backgroundBrush_;
};

}  // namespace chelan::forms
