#include "platform/ansi_text.h"

#include <windows.h>

namespace chelan {

std::optional<std::string> SingleByteAnsi(const std::wstring& text) {
  std::string bytes;
  for (wchar_t c : text) {
    // Character by character, so that a double-byte code or a best-fit stand-in is caught.
    char converted[4];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, converted,
                                           sizeof converted, nullptr, &usedDefault);
    if (length != 1 || usedDefault) return std::nullopt;
    bytes.push_back(converted[0]);
  }
  return bytes;
}

}  // namespace chelan
