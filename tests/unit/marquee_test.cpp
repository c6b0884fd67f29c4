#include "shell/marquee.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/color.h"
#include "shell/marquee_lines.h"

namespace chelan {
namespace {

// Fixed text metrics: every character is as wide as the font's point size, and a line is one and a
// half times as high. Different sizes thus give different extents, so a wrong size shows up in the
// positions as well as in the recorded font.
TextSize FixedExtent(std::wstring_view text, int points) {
  return {static_cast<int>(text.size()) * points, points * 3 / 2};
}

struct CopyOp {
  CanvasSource source;
  int left, top, width, height;
};

struct TextOp {
  std::wstring text;
  int x, y;
  int points;         // the font in effect when the text was drawn
  ColorValue color;  // the text colour in effect
  bool outlined;
};

// One entry per drawing call, in order; exactly one of the two is set.
struct Op {
  std::optional<CopyOp> copy;
  std::optional<TextOp> text;
};

class RecordingCanvas : public Canvas {
 public:
  std::vector<Op> ops;

  void CopyBlock(CanvasSource source, int left, int top, int width, int height) override {
    ops.push_back({CopyOp{source, left, top, width, height}, std::nullopt});
  }
  void SetFontSize(int points) override { points_ = points; }
  TextSize TextExtent(std::wstring_view text) override { return FixedExtent(text, points_); }
  void SetTextColor(ColorValue color) override { color_ = color; }
  void DrawPlainText(int x, int y, std::wstring_view text) override { Text(x, y, text, false); }
  void DrawOutlinedText(int x, int y, std::wstring_view text) override { Text(x, y, text, true); }

  std::vector<TextOp> Texts() const {
    std::vector<TextOp> texts;
    for (const Op& op : ops)
      if (op.text) texts.push_back(*op.text);
    return texts;
  }
  std::vector<CopyOp> Copies() const {
    std::vector<CopyOp> copies;
    for (const Op& op : ops)
      if (op.copy) copies.push_back(*op.copy);
    return copies;
  }

 private:
  void Text(int x, int y, std::wstring_view text, bool outlined) {
    ops.push_back({std::nullopt, TextOp{std::wstring(text), x, y, points_, color_, outlined}});
  }
  int points_ = 0;  // no size set yet
  ColorValue color_ = Rgb(1, 2, 3);
};

constexpr int kWidth = 600;  // even, and every row's width is even, so centring is exact
constexpr int kHeight = 357;
constexpr int kLogoSide = 32;
constexpr int kTitleHeight = 24 * 3 / 2;        // row 0 at 24 points
constexpr int kLogoRowTop = kTitleHeight + 10;  // row 1 before the logo is placed
constexpr int kLastRowHeight = 8 * 3 / 2;       // row 29 at 8 points

// The sizes the table's rows are drawn in, row by row, empty entries keeping the size before.
constexpr int kDrawnSizes[kMarqueeRows] = {24, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14,
                                           12, 8,  8,  16, 16, 16, 16, 16, 16, 16, 16, 8,  8,  8,
                                           8,  8};

class MarqueeFrame : public ::testing::Test {
 protected:
  void SetUp() override { Load(kHeight, kLogoSide, kLogoSide); }

  void Load(int height, int logoWidth, int logoHeight) {
    lines = MakeMarqueeLines(L"2024/5/6");
    state = MakeMarqueeState(kWidth, height, logoWidth, logoHeight);
    layout = LayOutMarquee(canvas, lines);
  }

  // One frame with the title at the given height.
  void ComposeWithTitleAt(int y) {
    state.scrollPosition = y;
    Compose();
  }
  void Compose() {
    canvas.ops.clear();
    ComposeMarqueeFrame(canvas, layout, state);
  }

  RecordingCanvas canvas;
  MarqueeLines lines;
  MarqueeState state;
  MarqueeLayout layout;
};

TEST_F(MarqueeFrame, BeginsWithTheGradientFromBitmapHolder0OverTheWholeCanvas) {
  Compose();
  ASSERT_FALSE(canvas.ops.empty());
  ASSERT_TRUE(canvas.ops[0].copy);
  const CopyOp& copy = *canvas.ops[0].copy;
  EXPECT_EQ(copy.source, CanvasSource::BitmapHolder0);
  EXPECT_EQ(copy.left, 0);
  EXPECT_EQ(copy.top, 0);
  EXPECT_EQ(copy.width, kWidth);
  EXPECT_EQ(copy.height, kHeight);
}

TEST_F(MarqueeFrame, LoadedPageDrawsAllRowsFromTheCanvasBottomAndStepsUpOnePixel) {
  Compose();
  const std::vector<TextOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kMarqueeRows));
  EXPECT_EQ(texts[0].y, kHeight);
  EXPECT_EQ(state.scrollPosition, kHeight - 1);
  Compose();
  EXPECT_EQ(canvas.Texts()[0].y, kHeight - 1);
}

TEST_F(MarqueeFrame, RowsAreCentredAndStackedWithTheGapAndTheLogoBelowTheTitle) {
  ComposeWithTitleAt(100);
  const std::vector<TextOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kMarqueeRows));
  int y = 100;
  for (int i = 0; i < kMarqueeRows; ++i) {
    SCOPED_TRACE(i);
    const TextSize extent = FixedExtent(lines[i].text, kDrawnSizes[i]);
    if (i == 1) y += kLogoSide + 20;  // every row from the logo's row on sits lower by lh + 20
    EXPECT_EQ(texts[i].text, lines[i].text);
    EXPECT_EQ(texts[i].x, (kWidth - extent.width) / 2);
    EXPECT_EQ(texts[i].y, y);
    y += extent.height + 10;
  }
}

TEST_F(MarqueeFrame, EmptySizeEntriesKeepTheSizeOfTheRowBefore) {
  ComposeWithTitleAt(100);
  const std::vector<TextOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kMarqueeRows));
  struct Case {
    int row, points;
  };
  // 21 and 23 follow rows 19 and 20 at 16 points; 26 and 28 follow row 25 at 8.
  for (Case c : {Case{13, 14}, Case{16, 8}, Case{18, 16}, Case{20, 16}, Case{21, 16},
                 Case{22, 16}, Case{23, 16}, Case{24, 16}, Case{26, 8}, Case{28, 8}}) {
    EXPECT_EQ(texts[c.row].points, c.points) << "row " << c.row;
  }
}

TEST_F(MarqueeFrame, OnlyTheTitleIsOutlined) {
  ComposeWithTitleAt(100);
  const std::vector<TextOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kMarqueeRows));
  EXPECT_TRUE(texts[0].outlined);
  EXPECT_EQ(texts[0].text, L"*澈岚变脸王6.1*");
  for (int i = 1; i < kMarqueeRows; ++i) EXPECT_FALSE(texts[i].outlined) << "row " << i;
}

TEST_F(MarqueeFrame, LogoIsCopiedAfterTheTitleHangingTenPixelsBelowItsRow) {
  Load(kHeight, 40, 24);  // unequal sides, so that width and height cannot be mixed up
  ComposeWithTitleAt(200);
  ASSERT_GE(canvas.ops.size(), 4u);
  ASSERT_TRUE(canvas.ops[1].text);
  EXPECT_EQ(canvas.ops[1].text->text, lines[0].text);
  ASSERT_TRUE(canvas.ops[2].copy);
  const CopyOp& logo = *canvas.ops[2].copy;
  // Row 1 is one blank at 14 points, so its x is (600 − 14) / 2 = 293; the logo's corner is half
  // the logo's width left of it.
  EXPECT_EQ(logo.left, 293 - 20);
  EXPECT_EQ(logo.top, 200 + kLogoRowTop + 10);
  EXPECT_EQ(logo.width, 40);
  EXPECT_EQ(logo.height, 24);
  ASSERT_TRUE(canvas.ops[3].text);
  EXPECT_EQ(canvas.ops[3].text->y, 200 + kLogoRowTop + 24 + 20);
  EXPECT_EQ(canvas.Copies().size(), 2u);  // the gradient and the logo, nothing else
}

struct LogoCase {
  const char* name;
  int rowTop;  // y of row 1 before the logo is placed
  CanvasSource source;
};

class MarqueeLogoSource : public MarqueeFrame, public ::testing::WithParamInterface<LogoCase> {};

TEST_P(MarqueeLogoSource, FollowsTheBandOfTheLogosRow) {
  const LogoCase& c = GetParam();
  ComposeWithTitleAt(c.rowTop - kLogoRowTop);
  const std::vector<CopyOp> copies = canvas.Copies();
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[1].top, c.rowTop + 10);
  EXPECT_EQ(copies[1].source, c.source);
}

// With H = 357 the bands end at 35.7, 142.8 and 285.6.
INSTANTIATE_TEST_SUITE_P(
    Bands, MarqueeLogoSource,
    ::testing::Values(LogoCase{"aboveCanvasDark", -50, CanvasSource::LogoBox0},
                      LogoCase{"topBandDark", 35, CanvasSource::LogoBox0},
                      LogoCase{"middleBandStoredTone", 36, CanvasSource::BitmapHolder1},
                      LogoCase{"middleBandEnd", 142, CanvasSource::BitmapHolder1},
                      LogoCase{"lightBandBright", 143, CanvasSource::LogoBox1},
                      LogoCase{"lightBandEnd", 285, CanvasSource::LogoBox1},
                      LogoCase{"bottomBandDark", 286, CanvasSource::LogoBox0},
                      LogoCase{"canvasBottomDark", kHeight, CanvasSource::LogoBox0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColorCase {
  const char* name;
  int height;  // H
  int titleY;
  ColorValue color;
};

class MarqueeTitleColor : public MarqueeFrame, public ::testing::WithParamInterface<ColorCase> {};

// The title is the frame's first row, so in the middle band it has no red or green to keep.
TEST_P(MarqueeTitleColor, FollowsTheBandOfItsHeight) {
  const ColorCase& c = GetParam();
  Load(c.height, kLogoSide, kLogoSide);
  ComposeWithTitleAt(c.titleY);
  const std::vector<TextOp> texts = canvas.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].y, c.titleY);
  EXPECT_EQ(texts[0].color, c.color);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, MarqueeTitleColor,
    ::testing::Values(
        ColorCase{"bottomAt300", 357, 300, Rgb(251, 251, 251)},
        ColorCase{"lightAt200", 357, 200, Rgb(155, 255, 100)},
        ColorCase{"darkGreyAtCanvasBottom", 357, 357, Rgb(80, 80, 80)},
        ColorCase{"bottomAt290LimitedTo255", 357, 290, Rgb(255, 255, 255)},
        ColorCase{"bottomStartsAt286", 357, 286, Rgb(255, 255, 255)},
        ColorCase{"lightEndsAt285", 357, 285, Rgb(155, 255, 100)},
        ColorCase{"lightStartsAt143", 357, 143, Rgb(155, 255, 100)},
        ColorCase{"middleAt100", 357, 100, Rgb(0, 0, 255)},       // 255 limited
        ColorCase{"middleAt50HalfToEven", 357, 50, Rgb(0, 0, 128)},  // 127.5
        ColorCase{"middleAt70HalfToEven", 357, 70, Rgb(0, 0, 178)},  // 178.5
        ColorCase{"middleStartsAt36", 357, 36, Rgb(0, 0, 92)},       // 91.8
        ColorCase{"topEndsAt35", 357, 35, Rgb(50, 250, 10)},
        ColorCase{"topAboveCanvas", 357, -20, Rgb(50, 250, 10)},
        ColorCase{"belowCanvasStillVisibleTone", 357, 383, Rgb(2, 2, 2)},
        ColorCase{"farBelowCanvasLimitedToZero", 357, 390, Rgb(0, 0, 0)},
        // H = 350 puts the bounds on whole pixels: 35 and 140 close their bands, 280 opens the
        // bottom band.
        ColorCase{"exactTopBoundIsTop", 350, 35, Rgb(50, 250, 10)},
        ColorCase{"exactMiddleBoundIsMiddle", 350, 140, Rgb(0, 0, 255)},
        ColorCase{"lightBeforeExactBottomBound", 350, 279, Rgb(155, 255, 100)},
        ColorCase{"exactBottomBoundIsBottom", 350, 280, Rgb(255, 255, 255)},
        ColorCase{"bottomBelowBound", 350, 330, Rgb(140, 140, 140)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MarqueeFrame, MiddleBandKeepsRedAndGreenOfTheRowBefore) {
  // Title at −40 in the top band; row 1 then lies at −40 + 36 + 10 + 32 + 20 = 58 and row 2 at
  // 58 + 21 + 10 = 89, both in the middle band.
  ComposeWithTitleAt(-40);
  const std::vector<TextOp> texts = canvas.Texts();
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0].color, Rgb(50, 250, 10));
  EXPECT_EQ(texts[1].y, 58);
  EXPECT_EQ(texts[1].color, Rgb(50, 250, 148));  // 147.9
  EXPECT_EQ(texts[2].y, 89);
  EXPECT_EQ(texts[2].color, Rgb(50, 250, 227));  // 226.95
}

TEST_F(MarqueeFrame, ColorDoesNotCarryOverFromOneFrameToTheNext) {
  ComposeWithTitleAt(-40);  // ends with red 50 and green 250 set by the top band
  ComposeWithTitleAt(50);
  EXPECT_EQ(canvas.Texts()[0].color, Rgb(0, 0, 128));
}

struct RestartCase {
  const char* name;
  int height;        // H
  int lastDrawnTop;  // where row 29 is drawn for the last time before the restart
};

class MarqueeRestart : public MarqueeFrame, public ::testing::WithParamInterface<RestartCase> {};

TEST_P(MarqueeRestart, LastRowReachingTheTopStartsTheRollAgainWithoutBeingDrawn) {
  const RestartCase& c = GetParam();
  Load(c.height, kLogoSide, kLogoSide);
  std::vector<TextOp> previous;
  int frames = 0;
  for (;; ++frames) {
    ASSERT_LT(frames, 10000) << "the roll never restarted";
    Compose();
    const std::vector<TextOp> texts = canvas.Texts();
    if (texts.size() != static_cast<std::size_t>(kMarqueeRows)) break;
    previous = texts;
  }
  const std::vector<TextOp> restart = canvas.Texts();
  ASSERT_EQ(restart.size(), static_cast<std::size_t>(kMarqueeRows - 1));
  for (int i = 0; i < kMarqueeRows - 1; ++i) EXPECT_EQ(restart[i].text, lines[i].text);
  EXPECT_TRUE(restart[0].outlined);
  ASSERT_EQ(previous.size(), static_cast<std::size_t>(kMarqueeRows));
  EXPECT_EQ(previous[kMarqueeRows - 1].y, c.lastDrawnTop);
  EXPECT_EQ(restart[0].y, previous[0].y - 1);

  EXPECT_EQ(state.scrollPosition, c.height);
  Compose();
  const std::vector<TextOp> next = canvas.Texts();
  ASSERT_EQ(next.size(), static_cast<std::size_t>(kMarqueeRows));
  EXPECT_EQ(next[0].y, c.height);
}

// Row 29 is 12 pixels high. With H = 357 the top band reaches 35.7, so the roll restarts once the
// row would stand at 11 and was last drawn at 12; with H = 100 the top band ends at 10, above 11,
// so the row is still drawn at 11 and the restart waits for 10.
INSTANTIATE_TEST_SUITE_P(Heights, MarqueeRestart,
                         ::testing::Values(RestartCase{"designCanvas", 357, kLastRowHeight},
                                           RestartCase{"shortCanvas", 100, 11}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MarqueeFrame, AdvancingWithoutDrawingMatchesDrawingThroughRestarts) {
  MarqueeState hidden = state;
  int restarts = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    const int before = state.scrollPosition;
    Compose();
    AdvanceMarquee(layout, hidden);
    ASSERT_EQ(hidden.scrollPosition, state.scrollPosition) << "frame " << frame;
    if (state.scrollPosition > before) ++restarts;
  }
  EXPECT_GE(restarts, 2);
}

// A frame as the eye sees it: every copy and every row with its place, size, colour and outline.
std::vector<std::wstring> Picture(const RecordingCanvas& canvas) {
  std::vector<std::wstring> picture;
  for (const Op& op : canvas.ops) {
    if (op.copy) {
      picture.push_back(L"copy " + std::to_wstring(static_cast<int>(op.copy->source)) + L" " +
                        std::to_wstring(op.copy->left) + L"," + std::to_wstring(op.copy->top) + L" " +
                        std::to_wstring(op.copy->width) + L"x" + std::to_wstring(op.copy->height));
    } else {
      picture.push_back(op.text->text + L" @" + std::to_wstring(op.text->x) + L"," + std::to_wstring(op.text->y) +
                        L" " + std::to_wstring(op.text->points) + L"pt #" + std::to_wstring(op.text->color) +
                        (op.text->outlined ? L" outlined" : L""));
    }
  }
  return picture;
}

struct CatchUpCase {
  const char* name;
  int framesBefore;  // frames drawn before the page went out of sight (from the loaded page)
  int cycles;        // whole roll cycles in the steps away
  int extraSteps;    // and this many steps more
};

class MarqueeCatchUp : public MarqueeFrame, public ::testing::WithParamInterface<CatchUpCase> {
 protected:
  // The frames of one roll cycle, counted by drawing: from the start position until the frame that
  // has started the roll again.
  int DrawnCycle() {
    MarqueeState drawn = MakeMarqueeState(kWidth, kHeight, kLogoSide, kLogoSide);
    RecordingCanvas scratch;
    int frames = 0;
    do {
      ComposeMarqueeFrame(scratch, layout, drawn);
      ++frames;
    } while (drawn.scrollPosition != drawn.startPosition && frames < 100000);
    return frames;
  }
};

TEST_P(MarqueeCatchUp, ManyStepsAtOnceLeaveTheRollWhereATickPerStepWouldHave) {
  const CatchUpCase& c = GetParam();
  for (int frame = 0; frame < c.framesBefore; ++frame) Compose();
  const int cycle = DrawnCycle();
  ASSERT_GT(cycle, 300) << "the roll runs through the whole canvas height and more";
  const std::uint64_t steps = static_cast<std::uint64_t>(c.cycles) * cycle + c.extraSteps;

  MarqueeState away = state;
  AdvanceMarquee(layout, away, steps);
  // A tick per step, drawn: whole cycles change nothing, as the count above shows by drawing.
  for (int step = 0; step < c.extraSteps + (c.cycles > 0 ? cycle : 0); ++step) Compose();
  if (c.cycles > 0) {
    // One cycle drawn out brings the roll back to where it was; the extra steps then follow.
    MarqueeState check = away;
    AdvanceMarquee(layout, check, cycle);
    ASSERT_EQ(check.scrollPosition, away.scrollPosition);
  }
  ASSERT_EQ(away.scrollPosition, state.scrollPosition) << steps << " steps";

  // The next frame shown: the same rows at the same places in the same colours.
  RecordingCanvas shownAgain;
  ComposeMarqueeFrame(shownAgain, layout, away);
  Compose();
  EXPECT_EQ(Picture(shownAgain), Picture(canvas));
  EXPECT_EQ(away.scrollPosition, state.scrollPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MarqueeCatchUp,
    ::testing::Values(CatchUpCase{"none", 5, 0, 0}, CatchUpCase{"one", 0, 0, 1}, CatchUpCase{"aFew", 17, 0, 40},
                      CatchUpCase{"throughTheRestart", 600, 0, 500}, CatchUpCase{"oneCycle", 3, 1, 0},
                      CatchUpCase{"cyclesAndMore", 250, 3, 123}, CatchUpCase{"thousandsOfCycles", 42, 8640, 777},
                      CatchUpCase{"fromTheStart", 0, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MarqueeFrame, CanvasIsCentredOnThePage) {
  state = MakeMarqueeState(603, 357, kLogoSide, kLogoSide);
  // The design page is 603 × 411 pixels: the canvas lands under the 27-pixel tool bar.
  const PagePoint origin = MarqueePageOrigin(603, 411, state);
  EXPECT_EQ(origin.left, 0);
  EXPECT_EQ(origin.top, 27);
  const PagePoint wider = MarqueePageOrigin(803, 357, state);
  EXPECT_EQ(wider.left, 100);
  EXPECT_EQ(wider.top, 0);
}

// The rows the table fixes word for word, and every row's size entry.
TEST(MarqueeLines, MatchTheTableOfTheRoll) {
  const MarqueeLines lines = MakeMarqueeLines(L"2024-05-06");
  const wchar_t* fixedTexts[] = {
      L"*澈岚变脸王6.1*",
      L" ",
      L" 如果觉得windows皮肤单调澈岚教您改变",
      L"您会让windows应用程序皮肤漂亮起来",
      L" ",
      L"只点两次鼠标就可改变windows平台下所有应用程序皮肤",
      L"编程软件、图像软件、网页设计软件的皮肤都可改变",
      L" ",
      L"变好后打开[开始]-->[运行]观看,也可打开文件夹观看",
      L" ",
      L"可变的很多澈岚以后陆续发布，系望大家支持澈岚软件",
      L" ",
      L"注销或重启windows即变为windows原色",
      L" ",
  };
  for (int i = 0; i < 14; ++i) EXPECT_EQ(lines[i].text, fixedTexts[i]) << "row " << i;
  EXPECT_EQ(lines[15].text, L"2024-05-06");
  for (int row : {16, 18, 20, 22, 24, 26, 28}) EXPECT_EQ(lines[row].text, L" ") << "row " << row;

  const wchar_t* sizes[kMarqueeRows] = {L"24", L"14", L"14", L"14", L"14", L"14", L"14", L"14",
                                        L"14", L"14", L"14", L"14", L"14", L"",   L"12", L"8",
                                        L"",   L"16", L"",   L"16", L"",   L"",   L"",   L"",
                                        L"",   L"8",  L"",   L"8",  L"",   L"8"};
  for (int i = 0; i < kMarqueeRows; ++i) EXPECT_EQ(lines[i].size, sizes[i]) << "row " << i;
}

TEST(MarqueeLines, NoticesNameTheProgramAndSayHowColorsComeBack) {
  const MarqueeLines lines = MakeMarqueeLines(L"");
  bool namesProgram = false, saysHowColorsReturn = false;
  for (int row : {14, 17, 19, 21, 23, 25, 27, 29}) {
    const std::wstring& text = lines[row].text;
    EXPECT_GT(text.size(), 4u) << "row " << row;
    namesProgram |= text.find(L"澈岚皮肤") != std::wstring::npos &&
                    text.find(L"6.1") != std::wstring::npos;
    saysHowColorsReturn |= text.find(L"注销") != std::wstring::npos &&
                            text.find(L"重新启动") != std::wstring::npos;
  }
  EXPECT_TRUE(namesProgram);
  EXPECT_TRUE(saysHowColorsReturn);
}

TEST(MarqueeLines, OnlyWholeNumbersSetAFontSize) {
  struct Case {
    const char* name;
    const wchar_t* size;
    std::optional<int> points;
  };
  for (Case c : {Case{"two digits", L"24", 24}, Case{"one digit", L"8", 8},
                 Case{"empty", L"", std::nullopt}, Case{"letters", L"abc", std::nullopt},
                 Case{"trailing letter", L"1x", std::nullopt}, Case{"zero", L"0", std::nullopt}}) {
    EXPECT_EQ(MarqueeFontSize({L" ", c.size}), c.points) << c.name;
  }
}

}  // namespace
}  // namespace chelan
