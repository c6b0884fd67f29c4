// The password gate of the real program, from start to the first skin page or to its end.
#include <gtest/gtest.h>

#include <cstring>

#include "e2e_harness.h"
#include "startup/password_file.h"

namespace chelan::e2e {
namespace {

const std::wstring kDialog = L"#32770";
const std::wstring kLoginClass = L"ChelanFrmpass";
const std::wstring kLoginTitle = L"用户登录";
const std::wstring kPage1Class = L"ChelanFrmFancyfrm";
const std::wstring kPage1Caption = L"澈岚皮肤v6.1版  欢迎使用";

// Waits for a message box with the title, checks its text and answers it.
void ExpectMessage(Program& program, const std::wstring& title, const std::wstring& text) {
  HWND box = program.WaitForWindow(kDialog, title);
  ASSERT_NE(box, nullptr) << "no message box titled " << testing::PrintToString(title);
  EXPECT_EQ(MessageBoxText(box), text);
  AnswerMessageBox(box);
}

// Types the password into a fresh login window and presses OK.
void LogIn(Program& program, const std::wstring& password) {
  HWND login = program.WaitForWindow(kLoginClass, kLoginTitle);
  ASSERT_NE(login, nullptr);
  SetText(ChildOf(login, L"Edit", 0), password);
  Press(ChildWithText(login, L"Button", L"确定"));
}

struct MissingCase {
  const char* name;
  std::optional<std::string> file;
  std::wstring storedName;
};

class MissingPasswordFile : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingPasswordFile, SaysWhereTheFileShouldBeAndEnds) {
  StagedFolder folder(std::wstring(GetParam().name, GetParam().name + strlen(GetParam().name)), GetParam().file,
                      GetParam().storedName);
  Program program(folder);
  ExpectMessage(program, L"澈岚提示", L"保存密码的文件你藏哪去了?它叫QZ.CTS,在同一目录里.");
  EXPECT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.FindWindowOf(kLoginClass), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Folders, MissingPasswordFile,
                         ::testing::Values(MissingCase{"missing", std::nullopt, L"qz.cts"},
                                           MissingCase{"capitals", "\"\"\r\n", L"QZ.CTS"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Opens the change fields of the login window and types the new password twice; null when the
// window or its fields do not come.
HWND EnterNewPassword(Program& program, const std::wstring& password) {
  HWND login = program.WaitForWindow(kLoginClass, kLoginTitle);
  if (!login) return nullptr;
  Press(ChildWithText(login, L"Button", L"更改密码"));
  HWND newPassword = ChildOf(login, L"Edit", 1);
  const auto until = std::chrono::steady_clock::now() + kPatience;
  while (!IsShown(newPassword) && std::chrono::steady_clock::now() < until) Sleep(5);
  if (!IsShown(newPassword)) return nullptr;
  SetText(newPassword, password);
  SetText(ChildOf(login, L"Edit", 2), password);
  return login;
}

TEST(PasswordGate, DamagedFileIsReportedAndNothingOpens) {
  StagedFolder folder(L"damaged", std::string("\"\x95\x98"));
  Program program(folder);
  ExpectMessage(program, L"澈岚提示",
                L"保存密码的文件qz.cts已损坏，无法读出密码。请换回完好的密码文件后再启动本软件。");
  EXPECT_TRUE(program.WaitForExit());
}

TEST(PasswordGate, FileHeldByAnotherProgramIsReportedAsUnreadableAndNothingOpens) {
  StagedFolder folder(L"held", PasswordFileBytes(""));
  // Another program holding the file open without sharing it.
  HANDLE held = CreateFileW((folder.path() + L"\\qz.cts").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  {
    Program program(folder);
    ExpectMessage(program, L"澈岚提示",
                  L"保存密码的文件qz.cts无法读取，它可能正被其他程序打开。请关闭该程序后再启动本软件。");
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.FindWindowOf(kLoginClass), nullptr);
  }
  CloseHandle(held);
}

TEST(PasswordGate, HugePasswordFileGivesTheLoginWindowAtOnce) {
  StagedFolder folder(L"huge", PasswordFileBytes(""));
  {
    // 3 GB after the record, as holes: the file costs no disk space.
    HANDLE file = CreateFileW((folder.path() + L"\\qz.cts").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 3LL << 30;
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
  }
  Program program(folder);
  HWND login = program.WaitForWindow(kLoginClass, kLoginTitle);
  ASSERT_NE(login, nullptr);
  std::cout << "3 GB password file: login window after " << program.SinceStart().count() << " ms\n";
  LogIn(program, L"");
  EXPECT_NE(program.WaitForWindow(kPage1Class, kPage1Caption), nullptr);
}

TEST(PasswordGate, ChangeIsNotWrittenWhenTheEntryNoLongerHoldsThePassword) {
  StagedFolder folder(L"edited-entry", PasswordFileBytes(""));
  Program program(folder);
  HWND login = EnterNewPassword(program, L"xxx");
  ASSERT_NE(login, nullptr);
  SetText(ChildOf(login, L"Edit", 0), L"q");
  Press(ChildWithText(login, L"Button", L"确定"));
  ExpectMessage(program, L"澈岚提示", L"请先输入原密码！");
  EXPECT_EQ(folder.ReadFile(L"qz.cts"), PasswordFileBytes(""));
  // The login window is still there for the right password, which the change then needs.
  EXPECT_TRUE(IsShown(login));
  SetText(ChildOf(login, L"Edit", 0), L"");
  Press(ChildWithText(login, L"Button", L"确定"));
  ASSERT_NE(program.WaitForWindow(kPage1Class, kPage1Caption), nullptr);
  EXPECT_EQ(folder.ReadFile(L"qz.cts"), PasswordFileBytes("xxx"));
}

TEST(PasswordGate, ThreeWrongPasswordsGiveTheMessagesInOrderAndEnd) {
  StagedFolder folder(L"three-wrong", PasswordFileBytes("abc"));
  Program program(folder);
  for (const wchar_t* attempt : {L"x", L"ABC", L""}) {
    LogIn(program, attempt);
    ExpectMessage(program, L"澈岚提示", L"密码错误，请输入正确密码   ");
  }
  ExpectMessage(program, L"澈岚禁告！", L"你无权使用本软件，请与澈岚联系  ");
  EXPECT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.FindWindowOf(kPage1Class), nullptr);
}

TEST(PasswordGate, RightPasswordOpensPage1WithItsCaption) {
  StagedFolder folder(L"right", PasswordFileBytes("abc"));
  Program program(folder);
  LogIn(program, L"x");
  ExpectMessage(program, L"澈岚提示", L"密码错误，请输入正确密码   ");
  LogIn(program, L"abc");
  HWND page1 = program.WaitForWindow(kPage1Class, kPage1Caption);
  ASSERT_NE(page1, nullptr);
  EXPECT_EQ(program.FindWindowOf(kLoginClass), nullptr);
  // Closing the page ends the program.
  PostMessageW(page1, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
}

TEST(PasswordGate, ChangedPasswordIsAskedForAtTheNextStart) {
  StagedFolder folder(L"change", PasswordFileBytes(""));
  {
    Program program(folder);
    HWND login = EnterNewPassword(program, L"abc");
    ASSERT_NE(login, nullptr);
    Press(ChildWithText(login, L"Button", L"确定"));
    // The old (empty) password was the login attempt of this run.
    ASSERT_NE(program.WaitForWindow(kPage1Class, kPage1Caption), nullptr);
    EXPECT_EQ(folder.ReadFile(L"qz.cts"), PasswordFileBytes("abc"));
  }
  Program program(folder);
  LogIn(program, L"");
  ExpectMessage(program, L"澈岚提示", L"密码错误，请输入正确密码   ");
  LogIn(program, L"abc");
  EXPECT_NE(program.WaitForWindow(kPage1Class, kPage1Caption), nullptr);
}

}  // namespace
}  // namespace chelan::e2e
