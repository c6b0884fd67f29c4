// The program's windows after the gate as one set: pages opening each other, page 1's colour set
// from pages 2 and 3, the puzzle in between, and activation only from the program's own windows.
#include <gtest/gtest.h>

#include "fake_services.h"
#include "app/skin_pages.h"
#include "window_test_helpers.h"

namespace chelan {
namespace {

using testing::Click;
using testing::SysColorWrite;

class LifeCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pages.Open(1);
    testing::PumpMessages();
  }
  std::vector<SysColorWrite> TakeWrites() {
    std::vector<SysColorWrite> writes = services.sysColors;
    services.sysColors.clear();
    return writes;
  }
  void Press(forms::Control& button) {
    Click(button);
    testing::PumpMessages();
  }

  testing::FakeServices services;
  SkinPages pages{services};
};

TEST_F(LifeCycleTest, OpeningTheThreePagesInTurnWritesTheSixPreviewColors) {
  Press(pages.page1.Command3);  // 菜单背景色
  Press(pages.page2.Command3);  // 按钮前景色
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(50, 200, 110)},
                                                      {9, Rgb(255, 255, 0)},
                                                      {7, Rgb(10, 10, 250)},
                                                      {30, Rgb(154, 245, 63)},
                                                      {18, Rgb(30, 10, 250)},
                                                      {20, Rgb(255, 255, 0)}}));
  EXPECT_FALSE(pages.page1.Visible());
  EXPECT_FALSE(pages.page2.Visible());
  EXPECT_TRUE(pages.page3.Visible());
}

TEST_F(LifeCycleTest, ConfirmOnPage2ReachesPage1sBoxesAndItsNextPreview) {
  Press(pages.page1.Command3);
  Press(pages.page2.Option1);
  Press(pages.page2.Command2);
  EXPECT_EQ(pages.page1.Text3.Text() + L"," + pages.page1.Text4.Text() + L"," + pages.page1.Text5.Text(),
            L"150,150,250");
  TakeWrites();
  Press(pages.page2.Command4);  // 系统背景色
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(150, 150, 250)}, {9, Rgb(255, 255, 0)}}));
}

TEST_F(LifeCycleTest, ConfirmOnPage3SetsPage1sBoxesAndWithoutTheOptionWritesNothing) {
  Press(pages.page1.Command4);  // 按钮前景色
  TakeWrites();
  Press(pages.page3.Command2);
  EXPECT_TRUE(TakeWrites().empty());
  EXPECT_EQ(pages.page1.PendingColor(), Rgb(50, 200, 110));
  Press(pages.page3.Option1);
  Press(pages.page3.Command2);
  EXPECT_EQ(pages.page1.PendingColor(), Rgb(150, 250, 50));
}

TEST_F(LifeCycleTest, ThePuzzleOpensOnceBesidePage3AndLeadsBackToPage1) {
  Press(pages.page1.Command4);
  Press(pages.page3.Command1);
  Press(pages.page3.Command1);
  ASSERT_TRUE(pages.puzzle.Visible());
  EXPECT_TRUE(pages.page3.Visible()) << "page 3 stays open beside the puzzle";
  TakeWrites();
  // Clicking back into page 3 from the puzzle runs its preview again.
  SetActiveWindow(pages.page3.hwnd());
  testing::PumpMessages();
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{18, Rgb(30, 10, 250)}, {20, Rgb(255, 255, 0)}}));
  SetActiveWindow(pages.puzzle.hwnd());
  testing::PumpMessages();
  Press(pages.puzzle.Command1);  // back to skin page 1
  EXPECT_TRUE(pages.page1.Visible());
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(50, 200, 110)}, {9, Rgb(255, 255, 0)}}));
}

}  // namespace
}  // namespace chelan
