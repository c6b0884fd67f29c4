#include "skin/pending_color.h"

#include <algorithm>
#include <limits>

namespace chelan {

namespace {

// Magnitudes are counted no further than this: anything larger is out of every range we use, and
// the cap keeps a text of any length from overflowing the count.
constexpr std::int64_t kCountCap = 1'000'000;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u3000'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The number in the text rounded to a whole number, its magnitude capped at kCountCap; nothing
// when the text is not a number. The rounding works on the decimal digits themselves, so "0.5"
// is an exact half and "0.50000000000000001" is not, whatever a binary fraction would make of it.
std::optional<std::int64_t> RoundedNumber(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
    negative = text[i] == L'-';
    ++i;
  }
  bool anyDigit = false;
  std::int64_t whole = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    whole = std::min(whole * 10 + (text[i] - L'0'), kCountCap);
    anyDigit = true;
  }
  int firstDecimal = 0;
  bool laterDecimalsNonZero = false;
  if (i < text.size() && text[i] == L'.') {
    ++i;
    for (bool first = true; i < text.size() && IsDigit(text[i]); ++i, first = false) {
      const int digit = text[i] - L'0';
      if (first) {
        firstDecimal = digit;
      } else if (digit != 0) {
        laterDecimalsNonZero = true;
      }
      anyDigit = true;
    }
  }
  if (!anyDigit || i != text.size()) return std::nullopt;

  const bool aboveHalf = firstDecimal > 5 || (firstDecimal == 5 && laterDecimalsNonZero);
  const bool exactHalf = firstDecimal == 5 && !laterDecimalsNonZero;
  if (aboveHalf || (exactHalf && whole % 2 == 1)) ++whole;
  return negative ? -whole : whole;
}

}  // namespace

std::optional<std::int16_t> TextToInteger16(std::wstring_view text) {
  const std::optional<std::int64_t> number = RoundedNumber(text);
  if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
      *number > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(*number);
}

int PendingComponent(std::wstring_view text) {
  // The classic conversion stops the program at an unreadable or out-of-range text; the boxes are
  // only ever written with 0 to 255, so a colour from whatever else they hold serves better than
  // an end to the program.
  const std::optional<std::int64_t> number = RoundedNumber(text);
  if (!number) return 0;
  return static_cast<int>(std::clamp<std::int64_t>(*number, 0, 255));
}

ColorValue PendingColor(std::wstring_view red, std::wstring_view green, std::wstring_view blue) {
  return Rgb(PendingComponent(red), PendingComponent(green), PendingComponent(blue));
}

ColorValue PendingColor(const PendingTexts& texts) {
  return PendingColor(texts[0], texts[1], texts[2]);
}

std::array<std::wstring, 3> PendingTextsOf(ColorValue color) {
  return {std::to_wstring(RedOf(color)), std::to_wstring(GreenOf(color)),
          std::to_wstring(BlueOf(color))};
}

}  // namespace chelan
