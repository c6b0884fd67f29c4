// Skin page 1 and the puzzle at 144 DPI (150 % in the Windows display settings): the windows and
// controls designed in twips grow with the resolution, what the design measures in pixels does not.
//
// A process reads the resolution once, when it starts, from the user's LogPixels setting. This
// program therefore sets LogPixels, runs itself again at that resolution for the tests, and puts the
// user's setting back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

#include "fake_services.h"
#include "forms/twips.h"
#include "pages_fixture.h"
#include "puzzle/frmPuzzle.h"
#include "window_test_helpers.h"

// Rectangles compare and print in the namespace where the tests' lookup finds them: RECT's own.
static bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const RECT& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace chelan {
namespace {

constexpr int kDpi = 144;
constexpr wchar_t kChildMark[] = L"--at-test-dpi";

// The nearest whole pixel of a twips length at the test resolution (a half rounds up).
int Px(int twips) { return (twips * kDpi + 720) / 1440; }

RECT Placed(const forms::TwipRect& twips) {
  const int left = Px(twips.left), top = Px(twips.top);
  return {left, top, left + Px(twips.width), top + Px(twips.height)};
}

RECT PixelRect(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

TEST(HighDpi, RunsAtTheTestResolution) {
  EXPECT_EQ(forms::ScreenDpiX(), kDpi);
  EXPECT_EQ(forms::ScreenDpiY(), kDpi);
}

class Page1AtHighDpi : public PagesTest {
 protected:
  void SetUp() override { Open(page1); }
};

TEST_F(Page1AtHighDpi, WindowAndControlsStandWhereTheirTwipsPutThem) {
  EXPECT_EQ(ClientOf(page1.hwnd()), PixelRect(0, 0, Px(9045), Px(6165)));
  EXPECT_EQ(testing::PlaceInParent(page1.picToolBar.hwnd()), PixelRect(0, 0, Px(9045), Px(405)));
  // The status bar lies along the bottom, its top at 4260 twips.
  EXPECT_EQ(testing::PlaceInParent(page1.picStatusBar.hwnd()), PixelRect(0, Px(4260), Px(9045), Px(1905)));
  EXPECT_EQ(testing::PlaceInParent(page1.cmdMusic.hwnd()), Placed({0, 0, 1185, 345}));
  EXPECT_EQ(testing::PlaceInParent(page1.Command4.hwnd()), Placed({2370, 0, 1185, 345}));
  EXPECT_EQ(testing::PlaceInParent(page1.Option1.hwnd()), Placed({420, 4890, 2895, 255}));
  EXPECT_EQ(testing::PlaceInParent(page1.Command6.hwnd()), Placed({2340, 5160, 975, 285}));
  EXPECT_EQ(testing::PlaceInParent(page1.Command8.hwnd()), Placed({390, 1140, 975, 285}));
  EXPECT_EQ(testing::PlaceInParent(page1.Command15.hwnd()), Placed({7260, 810, 1035, 285}));
  EXPECT_EQ(testing::PlaceInParent(page1.Command7.hwnd()), Placed({750, 0, 1605, 375}));
}

TEST_F(Page1AtHighDpi, ControlsOfTheBarsStayInsideThem) {
  for (HWND bar : {page1.picToolBar.hwnd(), page1.picStatusBar.hwnd()}) {
    const RECT inside = ClientOf(bar);
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      const RECT place = testing::PlaceInParent(child);
      EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= inside.right && place.bottom <= inside.bottom)
          << ::testing::PrintToString(place) << " outside " << ::testing::PrintToString(inside);
    }
  }
}

// The widest text a status label shows fits inside it in the label's own font.
TEST_F(Page1AtHighDpi, StatusLabelsHoldTheirWidestTexts) {
  struct LabelText {
    HWND label;
    const wchar_t* text;
  };
  for (const LabelText& shown : {LabelText{page1.lblClock.hwnd(), L"00:00:00"}, LabelText{page1.lblClock.hwnd(), L"20:48:08"},
                                  LabelText{page1.lblMusic.hwnd(), L"音乐打开"}, LabelText{page1.lblMusic.hwnd(), L"音乐关闭"}}) {
    const HDC dc = GetDC(shown.label);
    const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(shown.label, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, shown.text, static_cast<int>(std::wcslen(shown.text)), &extent);
    SelectObject(dc, before);
    ReleaseDC(shown.label, dc);
    const RECT inside = ClientOf(shown.label);
    EXPECT_LE(extent.cx, inside.right) << "text width of " << ::testing::PrintToString(std::wstring(shown.text));
    EXPECT_LE(extent.cy, inside.bottom) << "text height of " << ::testing::PrintToString(std::wstring(shown.text));
  }
}

class PuzzleAtHighDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Open();
    testing::PumpMessages();
    ASSERT_TRUE(form.Exists());
  }
  testing::FakeServices services;
  frmPuzzle form{services, [] {}};
};

TEST_F(PuzzleAtHighDpi, WindowAndControlsStandWhereTheirTwipsPutThem) {
  EXPECT_EQ(ClientOf(form.hwnd()), PixelRect(0, 0, Px(4530), Px(5040)));
  EXPECT_EQ(testing::PlaceInParent(form.cmdShuffle.hwnd()), Placed({1890, 4440, 1095, 345}));
  EXPECT_EQ(testing::PlaceInParent(form.Command1.hwnd()), Placed({3000, 4440, 1095, 345}));
  EXPECT_EQ(testing::PlaceInParent(form.Label1.hwnd()), Placed({0, 4800, 4545, 285}));
  EXPECT_EQ(testing::PlaceInParent(form.Label2.hwnd()), Placed({900, 30, 2565, 255}));
}

TEST_F(PuzzleAtHighDpi, TheBoardKeepsItsPixelSizesAboveTheControls) {
  // Level 3: tiles of 2 × Int(90 / 3) + 10 = 70 pixels, set off by half a tile.
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[0].hwnd()), PixelRect(35, 35, 70, 70));
  EXPECT_EQ(testing::PlaceInParent(form.cmdButton[8].hwnd()), PixelRect(175, 175, 70, 70));
  const RECT lowestTile = testing::PlaceInParent(form.cmdButton[8].hwnd());
  EXPECT_LT(lowestTile.bottom, testing::PlaceInParent(form.cmdShuffle.hwnd()).top);
  EXPECT_LT(lowestTile.bottom, testing::PlaceInParent(form.cmbSize.hwnd()).top);
}

// The user's LogPixels value, or nothing when it is not set.
std::optional<DWORD> ReadLogPixels(HKEY key) {
  DWORD value = 0, size = sizeof value, type = 0;
  if (RegQueryValueExW(key, L"LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD) {
    return std::nullopt;
  }
  return value;
}

int RunAtTestDpi() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    std::fprintf(stderr, "cannot open the user's desktop settings\n");
    return 1;
  }
  const std::optional<DWORD> saved = ReadLogPixels(key);
  const DWORD dpi = kDpi;
  RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);

  std::wstring command = std::wstring(GetCommandLineW()) + L" " + kChildMark;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  DWORD exitCode = 1;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
    WaitForSingleObject(child.hProcess, INFINITE);
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  } else {
    std::fprintf(stderr, "cannot run the tests at %d DPI\n", kDpi);
  }

  if (saved) {
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*saved), sizeof *saved);
  } else {
    RegDeleteValueW(key, L"LogPixels");
  }
  RegCloseKey(key);
  return static_cast<int>(exitCode);
}

}  // namespace
}  // namespace chelan

int main(int argc, char** argv) {
  const bool child = std::wcsstr(GetCommandLineW(), chelan::kChildMark) != nullptr;
  if (!child) return chelan::RunAtTestDpi();
  std::printf("screen resolution: %d DPI\n", chelan::forms::ScreenDpiX());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
