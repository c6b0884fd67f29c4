#include "shell/marquee.h"

#include <algorithm>
#include <cmath>

namespace chelan {
namespace {

constexpr int kLogoRow = 1;
constexpr int kLastRow = kMarqueeRows - 1;
// The logo hangs this far below the row it replaces and leaves twice as much below itself.
constexpr int kLogoDrop = 10;
constexpr int kLogoGap = 20;

// Pixel positions and colour components are rounded to the nearest integer with halves to even,
// the way whole numbers have always been made from the roll's fractional values.
int RoundHalfEven(float value) { return static_cast<int>(std::lrint(value)); }

enum class Band { Top, Middle, Light, Bottom };

// The band bounds are single-precision values, as the roll has always compared them.
struct Bands {
  float topEnd;     // y ≤ topEnd: top band
  float middleEnd;  // y ≤ middleEnd: middle band
  float lightEnd;   // y < lightEnd: light band; from there down the bottom band

  explicit Bands(std::int32_t h)
      : topEnd(static_cast<float>(h) / 10.0f),
        middleEnd(static_cast<float>(h * 40) / 100.0f),
        lightEnd(static_cast<float>(h * 80) / 100.0f) {}

  Band Of(float y) const {
    if (y <= topEnd) return Band::Top;
    if (y <= middleEnd) return Band::Middle;
    if (y < lightEnd) return Band::Light;
    return Band::Bottom;
  }
};

// The logo is darkened at both ends of the roll, shown in its stored tone in the middle band and
// brightened in the light band.
CanvasSource LogoSource(Band band) {
  switch (band) {
    case Band::Middle: return CanvasSource::BitmapHolder1;
    case Band::Light: return CanvasSource::LogoBox1;
    case Band::Top:
    case Band::Bottom: break;
  }
  return CanvasSource::LogoBox0;
}

// Rows far below the canvas would get negative components; they cannot be seen, so they are
// simply black.
int Component(float value) { return RoundHalfEven(std::clamp(value, 0.0f, 255.0f)); }

// A canvas that draws nothing, for the steps of a page that nobody sees.
class NoDrawing final : public Canvas {
 public:
  void CopyBlock(CanvasSource, int, int, int, int) override {}
  void SetFontSize(int) override {}
  TextSize TextExtent(std::wstring_view) override { return {}; }
  void SetTextColor(ColorValue) override {}
  void DrawPlainText(int, int, std::wstring_view) override {}
  void DrawOutlinedText(int, int, std::wstring_view) override {}
};

}  // namespace

MarqueeState MakeMarqueeState(std::int32_t width, std::int32_t height, std::int32_t logoWidth,
                              std::int32_t logoHeight) {
  MarqueeState state;
  state.width = width;
  state.height = height;
  state.startPosition = height;
  state.scrollPosition = height;
  state.logoWidth = logoWidth;
  state.logoHeight = logoHeight;
  return state;
}

MarqueeLayout LayOutMarquee(Canvas& canvas, const MarqueeLines& lines) {
  MarqueeLayout layout;
  for (int i = 0; i < kMarqueeRows; ++i) {
    MarqueeRow& row = layout[i];
    row.text = lines[i].text;
    row.fontSize = MarqueeFontSize(lines[i]);
    if (row.fontSize) canvas.SetFontSize(*row.fontSize);
    row.extent = canvas.TextExtent(row.text);
  }
  return layout;
}

void ComposeMarqueeFrame(Canvas& canvas, const MarqueeLayout& layout, MarqueeState& state) {
  canvas.CopyBlock(CanvasSource::BitmapHolder0, 0, 0, state.width, state.height);

  const Bands bands(state.height);
  const float centre = static_cast<float>(state.width) / 2.0f;
  // Offset and colour run on from row to row: a middle-band row keeps the red and green of the row
  // above it, or none at all when it is the first row of the frame to get a colour.
  std::int32_t offset = 0;
  float red = 0, green = 0, blue = 0;

  for (int i = 0; i < kMarqueeRows; ++i) {
    const MarqueeRow& row = layout[i];
    if (row.fontSize) canvas.SetFontSize(*row.fontSize);
    const float x = centre - static_cast<float>(row.extent.width) / 2.0f;
    float y = static_cast<float>(state.scrollPosition + offset);

    if (i == kLogoRow) {
      const float left = x - static_cast<float>(state.logoWidth) / 2.0f;
      canvas.CopyBlock(LogoSource(bands.Of(y)), RoundHalfEven(left), RoundHalfEven(y + kLogoDrop),
                       state.logoWidth, state.logoHeight);
      offset += state.logoHeight + kLogoGap;
      y = static_cast<float>(state.scrollPosition + offset);
    }

    const Band band = bands.Of(y);
    // The last row coming within its own height of the top, in the top band only, starts the roll
    // again from the bottom; it is not drawn in this frame, and the scroll step below brings the
    // position to the start exactly.
    if (band == Band::Top && i == kLastRow && y < static_cast<float>(row.extent.height)) {
      state.scrollPosition = state.startPosition + 1;
      break;
    }
    switch (band) {
      case Band::Top:
        red = 50, green = 250, blue = 10;
        break;
      case Band::Middle:
        blue = 255.0f * y / 100.0f;
        break;
      case Band::Light:
        red = 155, green = 255, blue = 100;
        break;
      case Band::Bottom:
        red = green = blue = (static_cast<float>(state.height) - y) * 3.0f + 80.0f;
        break;
    }
    offset += row.extent.height + state.lineGap;

    canvas.SetTextColor(Rgb(Component(red), Component(green), Component(blue)));
    const int textX = RoundHalfEven(x);
    const int textY = RoundHalfEven(y);
    if (i == 0) {
      canvas.DrawOutlinedText(textX, textY, row.text);
    } else {
      canvas.DrawPlainText(textX, textY, row.text);
    }
  }

  state.scrollPosition -= 1;
}

void AdvanceMarquee(const MarqueeLayout& layout, MarqueeState& state) {
  // The very same steps over a canvas that draws nothing, so a page seen again stands exactly
  // where it would had it drawn all along.
  NoDrawing none;
  ComposeMarqueeFrame(none, layout, state);
}

void AdvanceMarquee(const MarqueeLayout& layout, MarqueeState& state, std::uint64_t steps) {
  // A frame depends on nothing but the scroll position, so the roll repeats itself from the first
  // time it stands at the start position again.
  while (steps > 0 && state.scrollPosition != state.startPosition) {
    AdvanceMarquee(layout, state);
    --steps;
  }
  if (steps == 0) return;
  std::uint64_t cycle = 0;
  MarqueeState probe = state;
  do {
    AdvanceMarquee(layout, probe);
    ++cycle;
  } while (probe.scrollPosition != state.startPosition);
  for (steps %= cycle; steps > 0; --steps) AdvanceMarquee(layout, state);
}

PagePoint MarqueePageOrigin(int clientWidth, int clientHeight, const MarqueeState& state) {
  return {RoundHalfEven(static_cast<float>(clientWidth - state.width) / 2.0f),
          RoundHalfEven(static_cast<float>(clientHeight - state.height) / 2.0f)};
}

}  // namespace chelan
