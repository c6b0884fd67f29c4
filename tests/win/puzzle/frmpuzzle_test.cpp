#include "puzzle/frmPuzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <string>
#include <vector>

#include "fake_services.h"
#include "forms/twips.h"
#include "puzzle/board.h"
#include "puzzle/uniform_random.h"
#include "window_test_helpers.h"

namespace chelan {
namespace {

using testing::Click;
using testing::FakeServices;
using testing::ShownMessage;

const std::wstring kMoveSound = L"C:\\Chelan\\澈岚1.wav";
const std::wstring kWinSound = L"C:\\Chelan\\澈岚2.wav";
const std::wstring kActionSound = L"C:\\Chelan\\澈岚3.wav";
const std::wstring kStore = L"Vennoraks|澈岚拼图训练营|";

// Tile numbers row by row as the buttons show them; 0 for the one hidden button, the blank.
using Tiles = std::vector<int>;

Tiles SolvedTiles(int n) {
  Tiles tiles(static_cast<std::size_t>(n * n));
  for (int p = 0; p + 1 < n * n; ++p) tiles[p] = p + 1;
  return tiles;
}

// The positions whose tiles, clicked in turn, put the board in order: the shortest way, so no
// intermediate board is already in order. Only for the small levels.
std::vector<int> SolvingClicks(const Tiles& start, int n) {
  const Tiles goal = SolvedTiles(n);
  std::map<Tiles, std::pair<Tiles, int>> cameFrom{{start, {start, -1}}};
  std::queue<Tiles> open;
  open.push(start);
  while (!open.empty() && !cameFrom.count(goal)) {
    const Tiles board = open.front();
    open.pop();
    const int blank = static_cast<int>(std::find(board.begin(), board.end(), 0) - board.begin());
    const int row = blank / n, column = blank % n;
    const int steps[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (const auto& step : steps) {
      const int r = row + step[0], c = column + step[1];
      if (r < 0 || r >= n || c < 0 || c >= n) continue;
      Tiles next = board;
      std::swap(next[blank], next[r * n + c]);
      if (cameFrom.emplace(next, std::make_pair(board, r * n + c)).second) open.push(next);
    }
  }
  std::vector<int> clicks;
  for (Tiles at = goal; at != start; at = cameFrom.at(at).first) clicks.push_back(cameFrom.at(at).second);
  std::reverse(clicks.begin(), clicks.end());
  return clicks;
}

// What the window's shuffles must show: the board walked by a generator seeded from the clock
// reading, one generator for all shuffles of an opening.
class ExpectedShuffles {
 public:
  ExpectedShuffles(const LocalTime& now, int n) : random_(MakeUniformRandom(ClockSeed(now))), board_(n) {}
  Tiles Next() {
    board_.Arrange(board_.BoardSize());
    board_.Shuffle(random_);
    Tiles tiles;
    for (int p = 0; p < board_.Positions(); ++p) tiles.push_back(board_.TileNumber(p));
    return tiles;
  }

 private:
  UniformRandom random_;
  Board board_;
};

// Counts the tiles' caption changes, and those made while the tile was on screen.
struct CaptionWatch {
  static inline const frmPuzzle* form = nullptr;
  static inline int changes = 0;
  static inline int changesWhileShown = 0;

  explicit CaptionWatch(const frmPuzzle& watched) {
    form = &watched;
    changes = changesWhileShown = 0;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Procedure, nullptr, GetCurrentThreadId());
  }
  ~CaptionWatch() {
    UnhookWindowsHookEx(hook_);
    form = nullptr;
  }
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && form && sent->message == WM_SETTEXT) {
      for (const auto& tile : form->cmdButton) {
        if (tile.hwnd() != sent->hwnd) continue;
        ++changes;
        if (IsWindowVisible(sent->hwnd)) ++changesWhileShown;
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

 private:
  HHOOK hook_;
};

class PuzzleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }

  void Open() {
    form.Open();
    testing::PumpMessages();
    ASSERT_TRUE(form.Exists());
  }

  int Level() const {
    return static_cast<int>(std::wcstol(form.cmbSize.ItemText(form.cmbSize.ListIndex()).c_str(), nullptr, 10));
  }

  Tiles Shown() const {
    const int n = Level();
    Tiles tiles;
    for (int p = 0; p < n * n; ++p) {
      const forms::MouseDownButton& tile = form.cmdButton[p];
      tiles.push_back(tile.Visible() ? static_cast<int>(std::wcstol(tile.Text().c_str(), nullptr, 10)) : 0);
    }
    return tiles;
  }

  int ShownTileCount() const {
    return static_cast<int>(std::count_if(form.cmdButton.begin(), form.cmdButton.end(),
                                          [](const auto& tile) { return tile.Visible(); }));
  }

  void SelectLevel(int level) {
    SendMessageW(form.cmbSize.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(level - 2), 0);
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(form.cmbSize.Id(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.cmbSize.hwnd()));
    testing::PumpMessages();
  }

  void Menu(int item) {
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(item, 0), 0);
    testing::PumpMessages();
  }

  bool MenuChecked(int item) const {
    return (GetMenuState(GetMenu(form.hwnd()), static_cast<UINT>(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
  }

  // A press and release of a mouse button on a tile, as the mouse sends them.
  void Press(int position, UINT down = WM_LBUTTONDOWN) {
    const HWND tile = form.cmdButton[position].hwnd();
    UINT up = WM_LBUTTONUP;
    WPARAM keys = MK_LBUTTON;
    if (down == WM_RBUTTONDOWN || down == WM_RBUTTONDBLCLK) up = WM_RBUTTONUP, keys = MK_RBUTTON;
    if (down == WM_MBUTTONDOWN || down == WM_MBUTTONDBLCLK) up = WM_MBUTTONUP, keys = MK_MBUTTON;
    SendMessageW(tile, down, keys, MAKELPARAM(5, 5));
    SendMessageW(tile, up, 0, MAKELPARAM(5, 5));
    testing::PumpMessages();
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) form.Timer1_Timer();
  }

  // Plays the shuffled board to its end; a board the walk left in order is won by a click on a
  // tile that cannot move.
  void Solve() {
    const std::vector<int> clicks = SolvingClicks(Shown(), Level());
    if (clicks.empty()) Press(0);
    for (int position : clicks) Press(position);
    ASSERT_EQ(Shown(), SolvedTiles(Level()));
  }

  std::vector<std::wstring> SoundPaths() const {
    std::vector<std::wstring> paths;
    for (const auto& sound : services.sounds) {
      EXPECT_FALSE(sound.loop);
      paths.push_back(sound.path);
    }
    return paths;
  }

  FakeServices services;
  int page1Shown = 0;
  frmPuzzle form{services, [this] { ++page1Shown; }};
};

TEST_F(PuzzleWindowTest, OpensSolvedAtLevelThreeReadyToShuffle) {
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
  EXPECT_EQ(form.cmdShuffle.Text(), L"重 拼");
  EXPECT_EQ(Level(), 3);
  EXPECT_EQ(Shown(), (Tiles{1, 2, 3, 4, 5, 6, 7, 8, 0}));
  EXPECT_EQ(ShownTileCount(), 8);
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(form.Timer1.Interval(), 1000u);
  EXPECT_TRUE(MenuChecked(frmPuzzle::mnuSound));
  EXPECT_EQ(GetFocus(), form.cmdShuffle.hwnd());
  EXPECT_TRUE(services.sounds.empty());

  std::vector<std::wstring> items;
  for (int i = 0; i < form.cmbSize.ListCount(); ++i) items.push_back(form.cmbSize.ItemText(i));
  EXPECT_EQ(items, (std::vector<std::wstring>{L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"}));
  EXPECT_EQ(GetWindowLongW(form.cmbSize.hwnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);  // no typing
  EXPECT_EQ(form.Label2.Text(), L"过了99*81关就是智多星");
  EXPECT_EQ(form.lblSize.Text(), L"训练级别");
  EXPECT_EQ(form.Command1.Text(), L"选择皮肤");
}

TEST_F(PuzzleWindowTest, WindowHasAFixedClientAreaAndCanOnlyBeMinimised) {
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, forms::TwipsToPixelsX(4530));
  EXPECT_EQ(client.bottom, forms::TwipsToPixelsY(5040));
  const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(form.BackColor(), RGB(255, 255, 192));
}

TEST_F(PuzzleWindowTest, MenuHasTheThreeItemsInOrder) {
  HMENU bar = GetMenu(form.hwnd());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(testing::MenuItemText(bar, 0), L"训练指挥部");
  HMENU game = GetSubMenu(bar, 0);
  const std::pair<int, const wchar_t*> items[] = {
      {frmPuzzle::mnuHighScore, L"拼图成绩记录"}, {frmPuzzle::mnuSound, L"声音开关"}, {frmPuzzle::mnuExit, L"结束训练 注意休息!"}};
  ASSERT_EQ(GetMenuItemCount(game), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(static_cast<int>(GetMenuItemID(game, i)), items[i].first);
    EXPECT_EQ(testing::MenuItemText(game, i), items[i].second);
  }
}

struct LevelLayout {
  int level;
  int tileSize;  // 2 × Int(90 / N) + 10
};

TEST_F(PuzzleWindowTest, EveryLevelLaysOutItsTilesInPixelsHalfATileFromTheCorner) {
  const LevelLayout layouts[] = {{2, 100}, {3, 70}, {4, 54}, {5, 46}, {6, 40}, {7, 34}, {8, 32}, {9, 30}};
  // Going up and then down again catches tiles left where a larger board put them.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 8; ++i) {
      const LevelLayout& layout = layouts[pass == 0 ? i : 7 - i];
      SCOPED_TRACE(layout.level);
      SelectLevel(layout.level);
      const int n = layout.level, size = layout.tileSize;
      EXPECT_EQ(Shown(), SolvedTiles(n));
      EXPECT_EQ(ShownTileCount(), n * n - 1);
      for (int p = 0; p + 1 < n * n; ++p) {
        const RECT place = testing::PlaceInParent(form.cmdButton[p].hwnd());
        const int left = size * (p % n) + size / 2, top = size * (p / n) + size / 2;
        EXPECT_EQ(place.left, left) << p;
        EXPECT_EQ(place.top, top) << p;
        EXPECT_EQ(place.right - place.left, size) << p;
        EXPECT_EQ(place.bottom - place.top, size) << p;
      }
    }
  }
  // Level 9 spans 15 to 285 pixels, above the level list.
  SelectLevel(9);
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[0].hwnd()).left, 15);
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[0].hwnd()).top, 15);
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[71].hwnd()).right, 285);
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[79].hwnd()).bottom, 285);
  EXPECT_LT(testing::PlaceInParent(form.cmdButton[79].hwnd()).bottom,
            testing::PlaceInParent(form.cmbSize.hwnd()).top);
}

TEST_F(PuzzleWindowTest, TilesAndMottoUseBoldSimSunOfTenAndAHalfPointsInGb2312) {
  const LONG height = -std::lround(10.5 * forms::ScreenDpiY() / 72.0);
  for (const HWND control : {form.cmdButton[0].hwnd(), form.cmdButton[40].hwnd(), form.cmdButton[80].hwnd(),
                             form.Label2.hwnd()}) {
    const LOGFONTW font = testing::FontOf(control);
    EXPECT_STREQ(font.lfFaceName, L"宋体");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(font.lfHeight, height);
  }
  const LOGFONTW level = testing::FontOf(form.lblSize.hwnd());
  EXPECT_STREQ(level.lfFaceName, L"宋体");
  EXPECT_EQ(level.lfWeight, FW_BOLD);
  EXPECT_EQ(level.lfHeight, -std::lround(9.0 * forms::ScreenDpiY() / 72.0));
}

TEST_F(PuzzleWindowTest, ControlsHaveTheirColors) {
  const testing::ControlColors motto = testing::ColorsOf(form.Label2.hwnd());
  EXPECT_EQ(motto.text, RGB(222, 18, 105));
  EXPECT_EQ(motto.back, RGB(255, 255, 192));
  EXPECT_EQ(testing::ColorsOf(form.lblSize.hwnd()).back, RGB(255, 255, 192));

  // The closed level list asks as an edit field does.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  SendMessageW(form.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(form.cmbSize.hwnd()));
  EXPECT_EQ(GetTextColor(dc), RGB(128, 0, 128));
  EXPECT_EQ(GetBkColor(dc), RGB(192, 255, 192));
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST_F(PuzzleWindowTest, ShuffleWalksTheClockSeededBoardOutOfSightAndStartsTheStopwatch) {
  ExpectedShuffles expected(services.now, 3);
  {
    CaptionWatch watch(form);
    Click(form.cmdShuffle);
    EXPECT_GT(CaptionWatch::changes, 0);
    EXPECT_EQ(CaptionWatch::changesWhileShown, 0);
  }
  EXPECT_EQ(Shown(), expected.Next());
  EXPECT_EQ(ShownTileCount(), 8);
  EXPECT_EQ(form.cmdShuffle.Text(), L"刷 新");
  EXPECT_TRUE(form.Timer1.Enabled());
  // The first tick shows the first second; until then the caption stays.
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
  EXPECT_EQ(SoundPaths(), std::vector<std::wstring>{kActionSound});
}

TEST_F(PuzzleWindowTest, OneOpeningDrawsAllItsShufflesFromOneGeneratorAndAReopeningSeedsAgain) {
  ExpectedShuffles expected(services.now, 3);
  Click(form.cmdShuffle);
  EXPECT_EQ(Shown(), expected.Next());
  Click(form.cmdShuffle);  // reset
  EXPECT_EQ(Shown(), SolvedTiles(3));
  Click(form.cmdShuffle);
  EXPECT_EQ(Shown(), expected.Next());

  form.Close();
  services.now.second += 7;
  Open();
  Click(form.cmdShuffle);
  EXPECT_EQ(Shown(), ExpectedShuffles(services.now, 3).Next());
}

TEST_F(PuzzleWindowTest, TicksShowTheTimeAndAWinStoresItWithTheName) {
  services.inputAnswers.push_back(L"  小明  ");
  Click(form.cmdShuffle);
  Ticks(1);
  EXPECT_EQ(form.Caption(), L"拼图记时: 1 s");
  Ticks(14);
  EXPECT_EQ(form.Caption(), L"拼图记时: 15 s");
  services.calls.clear();
  services.sounds.clear();

  Solve();
  const std::vector<std::wstring> tail(services.calls.end() - 5, services.calls.end());
  EXPECT_EQ(tail, (std::vector<std::wstring>{L"PlayOnce " + kMoveSound, L"PlayOnce " + kWinSound,
                                             L"SaveSetting " + kStore + L"3 15", L"InputBox 成绩表 填写你的姓名!",
                                             L"SaveSetting " + kStore + L"姓名3 小明"}));
  EXPECT_EQ(services.settings[kStore + L"3"], L"15");
  EXPECT_EQ(services.settings[kStore + L"姓名3"], L"小明");
  EXPECT_EQ(form.cmdShuffle.Text(), L"重 拼");
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(GetFocus(), form.cmdShuffle.hwnd());
  // The last time stays in the caption, and a late tick adds nothing.
  Ticks(1);
  EXPECT_EQ(form.Caption(), L"拼图记时: 15 s");
}

TEST_F(PuzzleWindowTest, WinningMovePlaysTheMoveSoundThenTheWinSoundAndEveryOtherMoveOnlyTheMoveSound) {
  Click(form.cmdShuffle);
  services.sounds.clear();
  Solve();
  std::vector<std::wstring> paths = SoundPaths();
  ASSERT_GE(paths.size(), 2u);
  EXPECT_EQ(paths.back(), kWinSound);
  paths.pop_back();
  EXPECT_EQ(paths.back(), kMoveSound);
  EXPECT_EQ(std::count(paths.begin(), paths.end(), kMoveSound), static_cast<long>(paths.size()));
}

TEST_F(PuzzleWindowTest, AWinInTheStoredTimeIsNoRecordAndAsksNothing) {
  services.settings[kStore + L"3"] = L"4";
  services.settings[kStore + L"姓名3"] = L"老王";
  Click(form.cmdShuffle);
  Ticks(4);
  Solve();
  EXPECT_EQ(services.settings[kStore + L"3"], L"4");
  EXPECT_EQ(services.settings[kStore + L"姓名3"], L"老王");
  EXPECT_EQ(std::count_if(services.calls.begin(), services.calls.end(),
                          [](const std::wstring& call) { return call.starts_with(L"InputBox"); }),
            0);
}

TEST_F(PuzzleWindowTest, MovesOnTheOrderedBoardAreUntimedAndTheirWinIsSilentAndUnrecorded) {
  Press(7);
  EXPECT_EQ(Shown(), (Tiles{1, 2, 3, 4, 5, 6, 7, 0, 8}));
  EXPECT_EQ(form.cmdShuffle.Text(), L"刷 新");
  EXPECT_FALSE(form.Timer1.Enabled());
  Press(8);
  EXPECT_EQ(Shown(), SolvedTiles(3));
  EXPECT_EQ(form.cmdShuffle.Text(), L"重 拼");
  EXPECT_EQ(SoundPaths(), (std::vector<std::wstring>{kMoveSound, kMoveSound}));
  EXPECT_TRUE(services.settings.empty());
  EXPECT_EQ(std::count_if(services.calls.begin(), services.calls.end(),
                          [](const std::wstring& call) { return call.starts_with(L"InputBox"); }),
            0);
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
}

class AnyMouseButton : public PuzzleWindowTest, public ::testing::WithParamInterface<UINT> {};

TEST_P(AnyMouseButton, PressMovesTheTileNextToTheBlankBeforeTheButtonIsReleased) {
  SendMessageW(form.cmdButton[5].hwnd(), GetParam(), 0, MAKELPARAM(5, 5));
  // Position 5 is above the blank at 8: its tile slides down, and the focus follows it.
  EXPECT_EQ(Shown(), (Tiles{1, 2, 3, 4, 5, 0, 7, 8, 6}));
  EXPECT_EQ(form.cmdButton[8].Text(), L"6");
  EXPECT_EQ(form.cmdButton[5].Text(), L"");
  EXPECT_EQ(GetFocus(), form.cmdButton[8].hwnd());
  EXPECT_EQ(SoundPaths(), std::vector<std::wstring>{kMoveSound});
  ReleaseCapture();
  testing::PumpMessages();
}

INSTANTIATE_TEST_SUITE_P(Buttons, AnyMouseButton,
                         ::testing::Values(WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_LBUTTONDBLCLK),
                         [](const auto& info) {
                           switch (info.param) {
                             case WM_LBUTTONDOWN: return std::string("left");
                             case WM_RBUTTONDOWN: return std::string("right");
                             case WM_MBUTTONDOWN: return std::string("middle");
                             default: return std::string("leftDoubleClick");
                           }
                         });

TEST_F(PuzzleWindowTest, TilesDiagonalOrTwoAwayFromTheBlankStayWhereTheyAre) {
  // Blank at 8 on the ordered board: 4 is diagonal, 6 two away in the row, 2 two away in the
  // column. Clicking them finds the board in order: a silent win without a record.
  for (int position : {4, 6, 2}) {
    Press(position, WM_RBUTTONDOWN);
    EXPECT_EQ(Shown(), SolvedTiles(3)) << position;
    EXPECT_EQ(form.cmdShuffle.Text(), L"重 拼");
  }
  // Blank at 7 after one move: 3 and 5 are diagonal, 1 two away in the column.
  Press(7);
  const Tiles moved = Shown();
  for (int position : {3, 5, 1}) {
    Press(position);
    EXPECT_EQ(Shown(), moved) << position;
    EXPECT_EQ(form.cmdShuffle.Text(), L"刷 新");
  }
  EXPECT_EQ(SoundPaths(), std::vector<std::wstring>{kMoveSound});
  EXPECT_TRUE(services.settings.empty());
}

TEST_F(PuzzleWindowTest, MinimisingPausesTheStopwatchAndRestoringResumesIt) {
  Click(form.cmdShuffle);
  Ticks(3);
  form.Command1.SetFocus();
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  testing::PumpMessages();
  ASSERT_TRUE(form.Minimized());
  EXPECT_FALSE(form.Timer1.Enabled());
  Ticks(1);  // one already on its way
  EXPECT_EQ(form.Caption(), L"拼图记时: 3 s");

  ShowWindow(form.hwnd(), SW_RESTORE);
  testing::PumpMessages();
  ASSERT_FALSE(form.Minimized());
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(GetFocus(), form.cmdShuffle.hwnd());
  Ticks(1);
  EXPECT_EQ(form.Caption(), L"拼图记时: 4 s");
  EXPECT_EQ(form.cmdShuffle.Text(), L"刷 新");
}

TEST_F(PuzzleWindowTest, MinimisingAndRestoringAnOrderedBoardLeavesTheStopwatchOff) {
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  testing::PumpMessages();
  ShowWindow(form.hwnd(), SW_RESTORE);
  testing::PumpMessages();
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(Shown(), SolvedTiles(3));
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
}

TEST_F(PuzzleWindowTest, AnotherLevelResetsTheBoardAndDiscardsTheRunningTime) {
  Click(form.cmdShuffle);
  Ticks(4);
  SelectLevel(5);
  EXPECT_EQ(Shown(), SolvedTiles(5));
  EXPECT_EQ(ShownTileCount(), 24);
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
  EXPECT_EQ(form.cmdShuffle.Text(), L"重 拼");
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_TRUE(services.settings.empty());
  Ticks(1);
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
}

TEST_F(PuzzleWindowTest, PickingTheLevelInPlayChangesNothing) {
  SelectLevel(4);
  Click(form.cmdShuffle);
  Ticks(2);
  const Tiles shuffled = Shown();
  SelectLevel(4);
  EXPECT_EQ(Shown(), shuffled);
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(form.Caption(), L"拼图记时: 2 s");
  EXPECT_EQ(form.cmdShuffle.Text(), L"刷 新");
  Ticks(1);
  EXPECT_EQ(form.Caption(), L"拼图记时: 3 s");
}

TEST_F(PuzzleWindowTest, SoundSwitchSilencesMovesWinsAndTheActionButton) {
  Menu(frmPuzzle::mnuSound);
  EXPECT_FALSE(MenuChecked(frmPuzzle::mnuSound));
  EXPECT_FALSE(form.SoundSwitch());
  Click(form.cmdShuffle);
  Ticks(2);
  services.inputAnswers.push_back(L"静音");
  Solve();
  EXPECT_EQ(services.settings[kStore + L"3"], L"2");  // the win did happen
  Click(form.cmdShuffle);
  Click(form.cmdShuffle);
  EXPECT_TRUE(services.sounds.empty());

  Menu(frmPuzzle::mnuSound);
  EXPECT_TRUE(MenuChecked(frmPuzzle::mnuSound));
  Click(form.cmdShuffle);
  EXPECT_EQ(SoundPaths(), std::vector<std::wstring>{kActionSound});
}

TEST_F(PuzzleWindowTest, ScoreTableShowsTheStoreWithDashesForMissingValues) {
  services.settings[kStore + L"3"] = L"15";
  services.settings[kStore + L"姓名3"] = L"小明";
  services.settings[kStore + L"9"] = L"600";
  services.settings[kStore + L"姓名9"] = L"";
  Menu(frmPuzzle::mnuHighScore);
  std::wstring expected = L"级别\t时间\t姓名\r\n";
  expected += L"2\t-\t-\r\n3\t15\t小明\r\n4\t-\t-\r\n5\t-\t-\r\n6\t-\t-\r\n7\t-\t-\r\n8\t-\t-\r\n9\t600\t\r\n";
  EXPECT_EQ(services.messages, (std::vector<ShownMessage>{{expected, L"成绩表", MessageIcon::None}}));
}

TEST_F(PuzzleWindowTest, Command1ShowsSkinPageOneAndThePuzzleStaysOpen) {
  Click(form.Command1);
  EXPECT_EQ(page1Shown, 1);
  EXPECT_TRUE(form.Visible());
}

TEST_F(PuzzleWindowTest, OpeningTheOpenWindowKeepsItsGame) {
  Click(form.cmdShuffle);
  Ticks(2);
  const HWND window = form.hwnd();
  const Tiles shuffled = Shown();
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  testing::PumpMessages();
  Open();
  EXPECT_EQ(form.hwnd(), window);
  EXPECT_FALSE(form.Minimized());
  EXPECT_EQ(Shown(), shuffled);
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(form.Caption(), L"拼图记时: 2 s");
}

class ClosingWays : public PuzzleWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingWays, ClosingDiscardsTheGameAndTheNextOpeningStartsAfresh) {
  SelectLevel(5);
  Click(form.cmdShuffle);
  Ticks(3);
  Menu(frmPuzzle::mnuSound);
  if (GetParam()) {
    Menu(frmPuzzle::mnuExit);
  } else {
    SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
    testing::PumpMessages();
  }
  EXPECT_FALSE(form.Exists());
  EXPECT_FALSE(form.Timer1.Running());
  EXPECT_EQ(form.Game(), nullptr);
  EXPECT_TRUE(services.settings.empty());

  Open();
  EXPECT_EQ(Level(), 3);
  EXPECT_EQ(Shown(), SolvedTiles(3));
  EXPECT_EQ(ShownTileCount(), 8);
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[4].hwnd()).left, 105);
  EXPECT_EQ(form.Caption(), L"澈岚拼图训练营");
  EXPECT_EQ(form.cmdShuffle.Text(), L"重 拼");
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_TRUE(MenuChecked(frmPuzzle::mnuSound));
}

INSTANTIATE_TEST_SUITE_P(MenuOrCloseBox, ClosingWays, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "menu" : "closeBox"); });

}  // namespace
}  // namespace chelan
