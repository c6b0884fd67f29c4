#pragma once
// Real Win32 controls whose window text is their caption, placed in twips, with optional colours;
// their container reflects clicks, colour requests and owner drawing back to the object.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "forms/gdi.h"
#include "forms/twips.h"

namespace chelan::forms {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  // The control's window goes with the object, so that nothing reaches an object that is gone.
  virtual ~Control();

  HWND hwnd() const { return hwnd_; }
  int Id() const { return GetDlgCtrlID(hwnd_); }
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetVisible(bool visible);
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }
  void SetFocus() { ::SetFocus(hwnd_); }
  void SetFont(HFONT font) { SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
  // Text and background colours; without them the control keeps the system's.
  void SetColors(COLORREF fore, COLORREF back);
  COLORREF ForeColor() const { return fore_; }
  COLORREF BackColor() const { return back_; }
  HBRUSH BackBrush() const { return backBrush_.get(); }

  // Runs on a button's or a clickable label's click.
  std::function<void()> Click;

  // Called by the container.
  virtual std::optional<LRESULT> OnCommand(WORD code);
  std::optional<LRESULT> OnColor(HDC dc);
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
  virtual std::optional<LRESULT> OnScroll(WORD code);

  static Control* FromHwnd(HWND hwnd);

 protected:
  void CreateControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                     DWORD exStyle, const TwipRect& place, int id);

 private:
  // Labels stay beneath the other controls of their container, whatever the order of creation.
  void KeepLabelsBeneath();

  HWND hwnd_ = nullptr;
  bool hasColors_ = false;
  COLORREF fore_ = 0;
  COLORREF back_ = 0;
  Brush backBrush_;
};

// Static text; clickable when it has a Click handler, wrapping over several lines.
class Label : public Control {
 public:
  void Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible = true);
};

class TextBox : public Control {
 public:
  void Create(HWND parent, const std::wstring& text, const TwipRect& place, int id, bool visible = true);
  // Shows this character for each one typed (0 shows the text).
  void SetPasswordChar(wchar_t shown);
  // 0 takes no limit.
  void SetMaxLength(int characters);
  void Select(int start, int length);

  std::function<void()> Change;
  std::optional<LRESULT> OnCommand(WORD code) override;
};

// A push button; a coloured one is drawn by the program in its back colour, with the system's
// button-text colour, as the system draws a plain one.
class Button : public Control {
 public:
  void Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible = true);
  void CreateColored(HWND parent, const std::wstring& caption, const TwipRect& place, int id,
                     COLORREF back, bool visible = true);
  // A picture beside the caption; the button is then drawn by the program.
  void SetPicture(HBITMAP picture);
  HBITMAP Picture() const { return picture_; }
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  bool colored_ = false;
  HBITMAP picture_ = nullptr;
};

// A check box or option button: checks itself when clicked, then runs Click.
class CheckBox : public Control {
 public:
  void Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible = true);
  bool Value() const { return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetValue(bool checked) { SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
};

class OptionButton : public CheckBox {
 public:
  void Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible = true);
};

// Gives a control's notification to its object; containers call it from their procedures.
std::optional<LRESULT> ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace chelan::forms
