#include "startup/frmpass.h"

#include <gtest/gtest.h>

#include "fake_services.h"
#include "startup/password_file.h"
#include "window_test_helpers.h"

namespace chelan {
namespace {

using testing::Click;
using testing::FakeServices;
using testing::ShownMessage;
using testing::Type;

const std::wstring kWritePath = L"C:\\Chelan\\qz.cts";

class FrmpassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services.PutFile(kWritePath, *PasswordFileBytes(storedpass));
    Open();
  }
  void Open() {
    form.Show();
    testing::PumpMessages();
  }
  void EnterChangeMode(const std::wstring& entry = L"abc") {
    Type(form.Text1, entry);
    Click(form.Command1);
    ASSERT_TRUE(form.InChangeMode());
  }
  std::optional<std::string> PasswordFile() const { return services.FileBytes(kWritePath); }

  FakeServices services;
  std::string storedpass = "abc";
  frmpass form{services, storedpass};
};

ShownMessage Prompt(const wchar_t* text) { return {text, L"澈岚提示", MessageIcon::Exclamation}; }

TEST_F(FrmpassTest, OpensWithTheEntryFocusedAndTheChangeFieldsHidden) {
  EXPECT_EQ(form.Caption(), L"用户登录");
  EXPECT_EQ(GetFocus(), form.Text1.hwnd());
  for (const forms::Control* shown : std::initializer_list<const forms::Control*>{&form.Label1, &form.Text1, &form.Command1, &form.Comok, &form.Comca}) {
    EXPECT_TRUE(shown->Visible());
  }
  for (const forms::Control* hidden : std::initializer_list<const forms::Control*>{&form.Label2, &form.Label3, &form.Label4, &form.Text2, &form.Text3}) {
    EXPECT_FALSE(hidden->Visible()) << GetDlgCtrlID(hidden->hwnd());
  }
}

TEST_F(FrmpassTest, EntryShowsStarsAndRefusesANinthCharacter) {
  Type(form.Text1, L"123456789");
  EXPECT_EQ(form.Text1.Text(), L"12345678");
  EXPECT_EQ(SendMessageW(form.Text1.hwnd(), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(FrmpassTest, NewPasswordFieldsShowStarsAndTakeAnyLength) {
  EnterChangeMode();
  Type(form.Text2, L"0123456789abc");
  EXPECT_EQ(form.Text2.Text(), L"0123456789abc");
  EXPECT_EQ(SendMessageW(form.Text2.hwnd(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(SendMessageW(form.Text3.hwnd(), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(FrmpassTest, WrongOldPasswordSelectsTheEntryAndStaysInLoginMode) {
  Type(form.Text1, L"ABC");
  Click(form.Command1);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kEnterOldPasswordText)});
  EXPECT_FALSE(form.InChangeMode());
  EXPECT_FALSE(form.Text2.Visible());
  DWORD start = 0, end = 0;
  SendMessageW(form.Text1.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(GetFocus(), form.Text1.hwnd());
}

TEST_F(FrmpassTest, RightOldPasswordRevealsTheFieldsTheHintAndFocusesTheNewPassword) {
  EnterChangeMode();
  EXPECT_TRUE(services.messages.empty());
  for (const forms::Control* c : std::initializer_list<const forms::Control*>{&form.Label2, &form.Label3, &form.Label4, &form.Text2, &form.Text3}) {
    EXPECT_TRUE(c->Visible()) << GetDlgCtrlID(c->hwnd());
  }
  EXPECT_EQ(GetFocus(), form.Text2.hwnd());
}

TEST_F(FrmpassTest, ClickingTheRevealedHintRepeatsTheCheckAgainstTheEntryAsItIsNow) {
  EnterChangeMode();
  form.Text1.SetText(L"abd");
  Click(form.Label2);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kEnterOldPasswordText)});
  form.Text1.SetText(L"abc");
  Click(form.Label2);
  EXPECT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(GetFocus(), form.Text2.hwnd());
}

TEST_F(FrmpassTest, OkWithoutChangeModeRecordsTheEntryAndClosesWithoutWriting) {
  Type(form.Text1, L"xyz");
  Click(form.Comok);
  EXPECT_EQ(form.grzbpass, L"xyz");
  EXPECT_FALSE(form.Exists());
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("abc"));
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(FrmpassTest, MismatchEmptiesBothNewFieldsAndKeepsTheWindowOpen) {
  EnterChangeMode();
  Type(form.Text2, L"new1");
  Type(form.Text3, L"new2");
  Click(form.Comok);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kMismatchText)});
  EXPECT_TRUE(form.Exists());
  EXPECT_TRUE(form.InChangeMode());
  EXPECT_EQ(form.Text2.Text(), L"");
  EXPECT_EQ(form.Text3.Text(), L"");
  EXPECT_EQ(GetFocus(), form.Text2.hwnd());
  EXPECT_EQ(form.grzbpass, L"abc");
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("abc"));
}

struct NewPassword {
  const char* name;
  std::wstring typed;
  std::string stored;
};

class FrmpassWrites : public FrmpassTest, public ::testing::WithParamInterface<NewPassword> {};

TEST_P(FrmpassWrites, OkInChangeModeWritesTheFileThroughTheFilesServiceAndCloses) {
  EnterChangeMode();
  Type(form.Text2, GetParam().typed);
  Type(form.Text3, GetParam().typed);
  Click(form.Comok);
  EXPECT_EQ(PasswordFile(), PasswordFileBytes(GetParam().stored));
  EXPECT_FALSE(form.Exists());
  EXPECT_EQ(form.grzbpass, L"abc");
  EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Passwords, FrmpassWrites,
                         ::testing::Values(NewPassword{"empty", L"", ""}, NewPassword{"short", L"xyz", "xyz"},
                                           NewPassword{"twelve", L"abcdefghijkl", "abcdefghijkl"},
                                           NewPassword{"thirtyOne", std::wstring(31, L'z'), std::string(31, 'z')}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EditedEntry {
  const char* name;
  std::wstring entry;  // the entry's text when OK is pressed
};

class FrmpassEditedEntry : public FrmpassTest, public ::testing::WithParamInterface<EditedEntry> {};

// The fields were revealed for the right password, but the entry no longer holds it: no change,
// and no login attempt either; the window asks for the old password as the change button does.
TEST_P(FrmpassEditedEntry, OkWritesNothingAndAsksForTheOldPassword) {
  EnterChangeMode();
  form.Text1.SetText(GetParam().entry.c_str());
  Type(form.Text2, L"xxx");
  Type(form.Text3, L"xxx");
  Click(form.Comok);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kEnterOldPasswordText)});
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("abc"));
  EXPECT_EQ(services.calls, std::vector<std::wstring>{L"ShowMessage 澈岚提示 请先输入原密码！ [exclamation]"});
  EXPECT_TRUE(form.Exists());
  EXPECT_TRUE(form.InChangeMode());
  EXPECT_EQ(GetFocus(), form.Text1.hwnd());
  EXPECT_EQ(form.grzbpass, GetParam().entry);

  // With the old password back in the entry, the same OK changes the password and closes.
  form.Text1.SetText(L"abc");
  Click(form.Comok);
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("xxx"));
  EXPECT_FALSE(form.Exists());
  EXPECT_EQ(form.grzbpass, L"abc");
}

INSTANTIATE_TEST_SUITE_P(Entries, FrmpassEditedEntry,
                         ::testing::Values(EditedEntry{"oneCharacterTyped", L"abcd"}, EditedEntry{"shortened", L"ab"},
                                           EditedEntry{"emptied", L""}, EditedEntry{"capitals", L"ABC"}),
                         [](const auto& info) { return std::string(info.param.name); });

// As a user found it: the empty password, the fields revealed, then one character in the entry.
TEST(FrmpassEmptyPassword, OneCharacterTypedIntoTheEntryKeepsTheEmptyPassword) {
  FakeServices services;
  services.PutFile(kWritePath, *PasswordFileBytes(""));
  const std::string storedpass;
  frmpass form{services, storedpass};
  form.Show();
  testing::PumpMessages();
  Click(form.Command1);
  ASSERT_TRUE(form.InChangeMode());
  Type(form.Text2, L"xxx");
  Type(form.Text3, L"xxx");
  Type(form.Text1, L"q");
  Click(form.Comok);
  EXPECT_EQ(services.FileBytes(kWritePath), PasswordFileBytes(""));
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kEnterOldPasswordText)});
  form.Close();
}

struct Refused {
  const char* name;
  std::wstring typed;
};

class FrmpassRefuses : public FrmpassTest, public ::testing::WithParamInterface<Refused> {};

TEST_P(FrmpassRefuses, APasswordTheFileCannotHoldIsRefusedAndNothingIsWritten) {
  EnterChangeMode();
  Type(form.Text2, GetParam().typed);
  Type(form.Text3, GetParam().typed);
  Click(form.Comok);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kUnsuitablePasswordText)});
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("abc"));
  EXPECT_TRUE(form.Exists());
  EXPECT_EQ(form.Text2.Text(), L"");
}

INSTANTIATE_TEST_SUITE_P(Passwords, FrmpassRefuses,
                         ::testing::Values(Refused{"thirtyTwo", std::wstring(32, L'a')},
                                           Refused{"chinese", L"密码"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrmpassTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
  services.failWrites = true;
  EnterChangeMode();
  Type(form.Text2, L"new");
  Type(form.Text3, L"new");
  Click(form.Comok);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{Prompt(kNotWrittenText)});
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("abc"));
  EXPECT_FALSE(form.Exists());
}

TEST_F(FrmpassTest, CancelEndsTheProgramWithoutWritingOrAsking) {
  EnterChangeMode();
  Type(form.Text2, L"new");
  Type(form.Text3, L"new");
  Click(form.Comca);
  EXPECT_EQ(services.endProgramCalls, 1);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(PasswordFile(), PasswordFileBytes("abc"));
}

TEST_F(FrmpassTest, EachShowingStartsAfreshButKeepsTheLastOk) {
  EnterChangeMode();
  Type(form.Text2, L"x");
  Click(form.Comok);  // mismatch: x against nothing
  Type(form.Text2, L"y");
  Type(form.Text3, L"y");
  Click(form.Comok);
  ASSERT_FALSE(form.Exists());
  Open();
  EXPECT_FALSE(form.InChangeMode());
  EXPECT_EQ(form.Text1.Text(), L"");
  EXPECT_EQ(form.grzbpass, L"abc");
  // Closing by the system's close command records nothing.
  Type(form.Text1, L"zzz");
  SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Exists());
  EXPECT_EQ(form.grzbpass, L"abc");
}

TEST_F(FrmpassTest, TabOrderRunsEntryOkCancelNewFieldsChange) {
  EnterChangeMode();
  std::vector<HWND> order;
  HWND control = form.Text1.hwnd();
  for (int i = 0; i < 6; ++i) {
    order.push_back(control);
    control = GetNextDlgTabItem(form.hwnd(), control, FALSE);
  }
  EXPECT_EQ(order, (std::vector<HWND>{form.Text1.hwnd(), form.Comok.hwnd(), form.Comca.hwnd(), form.Text2.hwnd(),
                                      form.Text3.hwnd(), form.Command1.hwnd()}));
  EXPECT_EQ(control, form.Text1.hwnd());
}

struct Placed {
  const char* name;
  forms::Control& (*control)(frmpass&);
  RECT pixels;  // at 96 DPI, 15 twips a pixel
  COLORREF text;
  COLORREF back;
};

class FrmpassLayout : public FrmpassTest, public ::testing::WithParamInterface<Placed> {};

TEST_P(FrmpassLayout, ControlSitsAtItsDesignPlaceInItsColors) {
  const Placed& p = GetParam();
  HWND control = p.control(form).hwnd();
  const RECT place = testing::PlaceInParent(control);
  EXPECT_EQ(place.left, p.pixels.left);
  EXPECT_EQ(place.top, p.pixels.top);
  EXPECT_EQ(place.right - place.left, p.pixels.right);
  EXPECT_EQ(place.bottom - place.top, p.pixels.bottom);
  if (p.text != CLR_INVALID) {
    const testing::ControlColors colors = testing::ColorsOf(control);
    EXPECT_EQ(colors.text, p.text);
    EXPECT_EQ(colors.back, p.back);
  }
}

constexpr COLORREF kPurple = RGB(114, 100, 193);

INSTANTIATE_TEST_SUITE_P(
    Controls, FrmpassLayout,
    ::testing::Values(
        Placed{"Label1", [](frmpass& f) -> forms::Control& { return f.Label1; }, {34, 16, 78, 16}, RGB(222, 18, 105), kPurple},
        Placed{"Text1", [](frmpass& f) -> forms::Control& { return f.Text1; }, {112, 14, 106, 20}, RGB(0, 255, 0), RGB(0, 0, 0)},
        Placed{"Label3", [](frmpass& f) -> forms::Control& { return f.Label3; }, {48, 44, 65, 16}, RGB(255, 128, 0), kPurple},
        Placed{"Text2", [](frmpass& f) -> forms::Control& { return f.Text2; }, {112, 42, 105, 19}, RGB(0, 255, 0), RGB(0, 0, 0)},
        Placed{"Label4", [](frmpass& f) -> forms::Control& { return f.Label4; }, {48, 72, 65, 15}, RGB(255, 128, 0), kPurple},
        Placed{"Text3", [](frmpass& f) -> forms::Control& { return f.Text3; }, {112, 70, 105, 19}, RGB(0, 255, 0), RGB(0, 0, 0)},
        Placed{"Label2", [](frmpass& f) -> forms::Control& { return f.Label2; }, {234, 40, 79, 43}, RGB(0, 192, 0), kPurple},
        Placed{"Command1", [](frmpass& f) -> forms::Control& { return f.Command1; }, {40, 98, 71, 21}, CLR_INVALID, 0},
        Placed{"Comok", [](frmpass& f) -> forms::Control& { return f.Comok; }, {128, 98, 71, 21}, CLR_INVALID, 0},
        Placed{"Comca", [](frmpass& f) -> forms::Control& { return f.Comca; }, {216, 98, 72, 21}, CLR_INVALID, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrmpassTest, WindowHasItsDesignClientSizeAndFonts) {
  RECT client;
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 327);
  EXPECT_EQ(client.bottom, 131);
  const LOGFONTW label = testing::FontOf(form.Label1.hwnd());
  EXPECT_STREQ(label.lfFaceName, L"宋体");
  EXPECT_EQ(label.lfWeight, FW_BOLD);
  EXPECT_EQ(label.lfHeight, -12);  // 9 points at 96 DPI
  EXPECT_EQ(form.Comok.BackColor(), RGB(188, 244, 104));
}

}  // namespace
}  // namespace chelan
