#pragma once
// A page's pending colour: the colour value made from the decimal texts of its three hidden boxes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/color.h"
#include "skin/skin_colors.h"

namespace chelan {

// A text as a 16-bit signed whole number: blanks around the number, one leading sign and a decimal
// fraction are taken, and the number goes to the nearest whole number, a half to the even
// neighbour ("2.5" gives 2, "3.5" gives 4). Nothing for an empty or non-numeric text, or for a
// number that rounds outside -32768 to 32767.
std::optional<std::int16_t> TextToInteger16(std::wstring_view text);

// One component, 0 to 255, from a box's text converted as above. A number above 255 counts as 255,
// also one beyond the 16-bit range, and one below 0 as 0; a text that is no number counts as 0.
int PendingComponent(std::wstring_view text);

// red + 256 × green + 65536 × blue from the texts of Text3, Text4 and Text5.
ColorValue PendingColor(std::wstring_view red, std::wstring_view green, std::wstring_view blue);
ColorValue PendingColor(const PendingTexts& texts);

// The decimal texts the three boxes take to hold a colour, red first.
std::array<std::wstring, 3> PendingTextsOf(ColorValue color);

}  // namespace chelan
