#pragma once
// The way back: the six elements the program writes, put back in one call to the colours that
// logging off would bring back, the user's own scheme, each unusable value replaced by the colour
// the element had before the program's first write.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "platform/services.h"
#include "skin/system_colors.h"

namespace chelan {

// An element and the name of its value in the user's scheme (HKCU\Control Panel\Colors).
struct SchemeValue {
  int element;
  std::wstring_view name;
};

// The six written elements, in the order of kWrittenElements.
inline constexpr std::array<SchemeValue, 6> kSchemeValues = {{
    {kColorBtnFace, L"ButtonFace"},
    {kColorCaptionText, L"TitleText"},
    {kColorMenuText, L"MenuText"},
    {kColorMenuBar, L"MenuBar"},
    {kColorBtnText, L"ButtonText"},
    {kColorBtnHighlight, L"ButtonHilight"},
}};

// Windows writes "R G B" in at most 11 characters; this leaves room for blanks, and a text longer
// than it is not a colour however it continues.
inline constexpr std::size_t kLongestSchemeText = 64;

// A scheme text as a colour value: three decimal numbers 0 to 255, red first, separated by blanks
// (spaces or tabs), with any number of blanks around them. Nothing for anything else: a sign, a
// fourth number, another character, a number above 255, or a text longer than kLongestSchemeText.
std::optional<ColorValue> ParseSchemeColor(std::wstring_view text);

// The scheme's colour when its text is one, the fallback otherwise (a missing value included).
ColorValue SchemeColorOr(const std::optional<std::wstring>& text, ColorValue fallback);

// The colours of the six elements, in the order of kSchemeValues.
using SixColors = std::array<ColorValue, 6>;

// The restore table: each of the six elements with its colour from the scheme texts, or with its
// colour at start where the text is missing or not a colour.
std::vector<ColorWrite> RestoreTable(const std::array<std::optional<std::wstring>, 6>& schemeTexts,
                                     const SixColors& atStart);

class ColorRestore {
 public:
  // Reads the six colours the first time only. Called before every write of the pages, so that the
  // colours kept are those from before the program's first write, the desktop's own.
  void RememberStart(Services& services);
  const std::optional<SixColors>& AtStart() const { return atStart_; }

  // Reads the user's scheme and writes the six colours in one call. Changes nothing else.
  void Restore(Services& services);

 private:
  std::optional<SixColors> atStart_;
};

}  // namespace chelan
