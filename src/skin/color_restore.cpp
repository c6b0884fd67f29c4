#include "skin/color_restore.h"

#include <string>

namespace chelan {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<ColorValue> ParseSchemeColor(std::wstring_view text) {
  if (text.size() > kLongestSchemeText) return std::nullopt;
  std::array<int, 3> parts{};
  std::size_t count = 0;
  std::size_t at = 0;
  for (;;) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at == text.size()) break;
    if (count == parts.size() || !IsDigit(text[at])) return std::nullopt;
    // Stops as soon as the number passes 255, so that no run of digits can overflow.
    int value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
      value = value * 10 + (text[at] - L'0');
      if (value > 255) return std::nullopt;
    }
    if (at < text.size() && !IsBlank(text[at])) return std::nullopt;
    parts[count++] = value;
  }
  if (count != parts.size()) return std::nullopt;
  return Rgb(parts[0], parts[1], parts[2]);
}

ColorValue SchemeColorOr(const std::optional<std::wstring>& text, ColorValue fallback) {
  if (!text) return fallback;
  return ParseSchemeColor(*text).value_or(fallback);
}

std::vector<ColorWrite> RestoreTable(const std::array<std::optional<std::wstring>, 6>& schemeTexts,
                                     const SixColors& atStart) {
  std::vector<ColorWrite> table;
  for (std::size_t i = 0; i < kSchemeValues.size(); ++i) {
    table.push_back({kSchemeValues[i].element, SchemeColorOr(schemeTexts[i], atStart[i])});
  }
  return table;
}

void ColorRestore::RememberStart(Services& services) {
  if (atStart_) return;
  SixColors colors{};
  for (std::size_t i = 0; i < kSchemeValues.size(); ++i) colors[i] = services.GetSysColor(kSchemeValues[i].element);
  atStart_ = colors;
}

void ColorRestore::Restore(Services& services) {
  // Nothing written yet means the colours now are still those from the start.
  RememberStart(services);
  std::array<std::optional<std::wstring>, 6> texts;
  for (std::size_t i = 0; i < kSchemeValues.size(); ++i) {
    texts[i] = services.UserSchemeColor(std::wstring(kSchemeValues[i].name), kLongestSchemeText);
  }
  // One call: Windows repaints the desktop once, not six times.
  services.SetSysColors(RestoreTable(texts, *atStart_));
}

}  // namespace chelan
