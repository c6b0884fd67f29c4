#pragma once
// The marquee's line table: thirty rows of text, each with the font size it switches to.
#include <array>
#include <optional>
#include <string>

namespace chelan {

inline constexpr int kMarqueeRows = 30;

// One row of the roll. The size is in points, kept as decimal text; an empty size keeps the size
// of the row before.
struct MarqueeLine {
  std::wstring text;
  std::wstring size;
};

using MarqueeLines = std::array<MarqueeLine, kMarqueeRows>;

// The table as it is filled when a page loads; row 15 shows shortDate, the load date already
// written in the system's short date format. Row 0 always carries a size.
MarqueeLines MakeMarqueeLines(const std::wstring& shortDate);

// The size a row switches to, or nothing when its size entry is empty or not a whole number of
// points; the font then stays as it was.
std::optional<int> MarqueeFontSize(const MarqueeLine& line);

}  // namespace chelan
