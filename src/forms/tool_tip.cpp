#include "forms/tool_tip.h"

#include <commctrl.h>

namespace chelan::forms {

namespace {

TTTOOLINFOW ToolFor(HWND control, const wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;  // understood by every version of the common controls
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

}  // namespace

ToolTip::~ToolTip() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void ToolTip::SetText(HWND control, const std::wstring& text) {
  if (!tip_) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(control, GA_ROOT), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  TTTOOLINFOW tool = ToolFor(control, text.c_str());
  if (Text(control).empty()) {
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

std::wstring ToolTip::Text(HWND control) const {
  if (!tip_) return {};
  wchar_t buffer[256] = {};
  TTTOOLINFOW tool = ToolFor(control, buffer);
  if (!SendMessageW(tip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) return {};
  tool.lpszText = buffer;
  SendMessageW(tip_, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return buffer;
}

}  // namespace chelan::forms
