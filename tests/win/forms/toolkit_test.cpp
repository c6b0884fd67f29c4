// The window toolkit itself: GDI owners, timers that belong to their window, modal forms, menu
// bars, and tearing down forms and controls while messages are still on their way.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/gdi.h"
#include "forms/menu.h"
#include "forms/timer.h"
#include "window_test_helpers.h"

namespace chelan::forms {
namespace {

constexpr int kButtonId = 101;

// A small form with a button, a text box, a timer and a menu bar; it can send itself a click of
// its button when its destruction begins.
class TestForm : public Form {
 public:
  Button button;
  TextBox box;
  Timer timer{*this};
  MenuBar menu;
  int clicks = 0;
  bool clickWhileDestroyed = false;

  void Load() override {
    CreateForm(L"ChelanToolkitTestForm", L"toolkit", 3000, 2000, RGB(255, 255, 255),
               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    button.Create(hwnd(), L"OK", {120, 120, 900, 345}, kButtonId);
    button.Click = [this] { ++clicks; };
    box.Create(hwnd(), L"", {120, 600, 900, 300}, kButtonId + 1);
  }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DESTROY && clickWhileDestroyed) {
      SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(button.hwnd()));
    }
    return Form::OnMessage(message, wParam, lParam);
  }
};

// Runs the thread's messages for about the given time.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    chelan::testing::PumpMessages();
    Sleep(5);
  }
}

TEST(GdiOwners, AMovedOwnerHoldsTheObjectAndTheLastOwnerDeletesIt) {
  HBRUSH handle = nullptr;
  {
    Brush first = SolidBrush(RGB(1, 2, 3));
    handle = first.get();
    Brush second = std::move(first);
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(second.get(), handle);
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
    Brush third;
    third = std::move(second);
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH)) << "a move deletes nothing";
  }
  EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(GdiOwners, AnOwnerGivenAnotherObjectDeletesTheOldOne) {
  Font font = MakeFont(L"宋体", 9, false);
  HFONT old = font.get();
  ASSERT_EQ(GetObjectType(old), static_cast<DWORD>(OBJ_FONT));
  font = MakeFont(L"宋体", 12, true);
  EXPECT_EQ(GetObjectType(old), 0u);
  EXPECT_EQ(GetObjectType(font.get()), static_cast<DWORD>(OBJ_FONT));
}

TEST(GdiOwners, AMemoryDcGoesWithItsOwnerAndASelectionIsPutBack) {
  HDC screen = GetDC(nullptr);
  HDC dc = nullptr;
  {
    MemoryDc memory(screen);
    dc = memory.get();
    ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    Bitmap bitmap(CreateCompatibleBitmap(screen, 4, 4));
    const HGDIOBJ before = GetCurrentObject(dc, OBJ_BITMAP);
    {
      ScopedSelect selected(dc, bitmap.get());
      EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap.get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), before);
    MemoryDc moved = std::move(memory);
    EXPECT_EQ(memory.get(), nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
  }
  EXPECT_EQ(GetObjectType(dc), 0u);
  ReleaseDC(nullptr, screen);
}

TEST(Timers, TickOnTheirWindowAndStopWithIt) {
  TestForm form;
  form.Show();
  int ticks = 0;
  form.timer.Tick = [&] { ++ticks; };
  form.timer.SetInterval(10);
  form.timer.SetEnabled(true);
  ASSERT_TRUE(form.timer.Running());
  for (int i = 0; i < 200 && ticks == 0; ++i) PumpFor(5);
  ASSERT_GT(ticks, 0);
  form.Close();
  EXPECT_FALSE(form.timer.Running());
  EXPECT_TRUE(form.timer.Enabled()) << "the switch keeps its state";
  const int atClose = ticks;
  PumpFor(100);
  EXPECT_EQ(ticks, atClose);
}

TEST(Timers, ATimerWithoutAWindowWaitsAndATickMaySwitchItsOwnTimerOff) {
  TestForm form;
  int ticks = 0;
  form.timer.Tick = [&] {
    ++ticks;
    form.timer.SetEnabled(false);
  };
  form.timer.SetInterval(10);
  form.timer.SetEnabled(true);
  EXPECT_FALSE(form.timer.Running()) << "no window yet";
  form.Show();
  form.timer.SetEnabled(true);
  for (int i = 0; i < 200 && ticks == 0; ++i) PumpFor(5);
  PumpFor(60);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(form.timer.Running());
}

TEST(Timers, ATimerObjectThatIsGoneTicksNoMore) {
  TestForm form;
  form.Show();
  int ticks = 0;
  {
    Timer shortLived(form);
    shortLived.Tick = [&] { ++ticks; };
    shortLived.SetInterval(10);
    shortLived.SetEnabled(true);
  }
  PumpFor(80);
  EXPECT_EQ(ticks, 0);
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

TEST(ModalForms, GiveBackExactlyTheWindowsTheyDisabled) {
  TestForm enabled, disabled, modal;
  enabled.Show();
  disabled.Show();
  EnableWindow(disabled.hwnd(), FALSE);
  modal.Load();
  // The modal form closes itself once it runs.
  modal.timer.SetInterval(20);
  modal.timer.Tick = [&] {
    EXPECT_FALSE(IsWindowEnabled(enabled.hwnd())) << "others take no input meanwhile";
    modal.Close();
  };
  modal.timer.SetEnabled(true);
  modal.ShowModal();
  EXPECT_FALSE(modal.Exists());
  EXPECT_TRUE(IsWindowEnabled(enabled.hwnd()));
  EXPECT_FALSE(IsWindowEnabled(disabled.hwnd())) << "a window disabled before stays disabled";
}

TEST(MenuBars, ABarNeverAttachedGoesWithItsObjectAnAttachedOneWithItsWindow) {
  HMENU loose = nullptr;
  {
    MenuBar bar;
    bar.AddPopup(L"File");
    loose = bar.handle();
    ASSERT_TRUE(IsMenu(loose));
  }
  EXPECT_FALSE(IsMenu(loose));

  TestForm form;
  form.Show();
  HMENU attached = nullptr;
  {
    auto bar = std::make_unique<MenuBar>();
    bar->AddPopup(L"File");
    attached = bar->handle();
    SetMenu(form.hwnd(), attached);
    bar->MarkAttached();
  }
  EXPECT_TRUE(IsMenu(attached)) << "the window still shows it";
  form.Close();
  EXPECT_FALSE(IsMenu(attached));
}

TEST(Teardown, AControlThatIsGoneTakesItsWindowAndLeavesNothingToReach) {
  TestForm form;
  form.Show();
  HWND window = nullptr;
  int clicks = 0;
  {
    Button extra;
    extra.Create(form.hwnd(), L"extra", {1200, 120, 900, 345}, kButtonId + 2);
    extra.Click = [&] { ++clicks; };
    window = extra.hwnd();
    ASSERT_EQ(Control::FromHwnd(window), &extra);
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Control::FromHwnd(window), nullptr);
  SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(kButtonId + 2, BN_CLICKED), reinterpret_cast<LPARAM>(window));
  EXPECT_EQ(clicks, 0);
}

TEST(Teardown, AFormBeingDestroyedPassesNoNotificationToItsControls) {
  TestForm form;
  form.Show();
  form.clickWhileDestroyed = true;
  form.Close();
  EXPECT_EQ(form.clicks, 0);
  // The object can make its window again, and then its controls hear their notifications.
  form.clickWhileDestroyed = false;
  form.Show();
  chelan::testing::Click(form.button);
  EXPECT_EQ(form.clicks, 1);
}

TEST(Teardown, AFormDestroyedWithNotificationsWaitingRunsNoneOfThem) {
  int clicks = 0;
  std::vector<HWND> before;
  EnumThreadWindows(GetCurrentThreadId(), CollectTopLevel, reinterpret_cast<LPARAM>(&before));
  {
    auto form = std::make_unique<TestForm>();
    form->Show();
    form->button.Click = [&] { ++clicks; };
    form->box.Change = [&] { ++clicks; };
    SetFocus(form->box.hwnd());
    PostMessageW(form->hwnd(), WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form->button.hwnd()));
    PostMessageW(form->button.hwnd(), BM_CLICK, 0, 0);
    PostMessageW(form->box.hwnd(), WM_CHAR, L'x', 0);
  }
  chelan::testing::PumpMessages();
  EXPECT_EQ(clicks, 0);
  std::vector<HWND> after;
  EnumThreadWindows(GetCurrentThreadId(), CollectTopLevel, reinterpret_cast<LPARAM>(&after));
  std::size_t visible = 0;
  for (HWND window : after) visible += IsWindowVisible(window) ? 1 : 0;
  std::size_t visibleBefore = 0;
  for (HWND window : before) visibleBefore += IsWindowVisible(window) ? 1 : 0;
  EXPECT_EQ(visible, visibleBefore) << "the form's window is gone";
}

}  // namespace
}  // namespace chelan::forms
