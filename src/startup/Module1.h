#pragma once
// The start-up sequence: presence test and reading of the password file, then the password gate.
#include <optional>
#include <string>

#include "platform/services.h"

namespace chelan::Module1 {

// What the sequence needs of the login window.
class LoginWindow {
 public:
  virtual ~LoginWindow() = default;
  // Shows the window and returns when it has closed.
  virtual void ShowModal() = 0;
  // The entry's text at the last OK, as ANSI bytes; nothing when the text has no single-byte form
  // (such a text can never be the password).
  virtual std::optional<std::string> GrzbpassBytes() const = 0;
};

enum class StartupOutcome { ShowPage1, EndProgram };

// Runs the sequence once. storedpass receives the stored password before the login window is
// first shown. On EndProgram the user has been told why; the caller ends the program.
StartupOutcome Main(Services& services, LoginWindow& login, std::string& storedpass);

// Message texts and titles of the sequence.
inline constexpr wchar_t kPromptTitle[] = L"澈岚提示";
inline constexpr wchar_t kMissingFileText[] = L"保存密码的文件你藏哪去了?它叫QZ.CTS,在同一目录里.";
inline constexpr wchar_t kDamagedFileText[] =
    L"保存密码的文件qz.cts已损坏，无法读出密码。请换回完好的密码文件后再启动本软件。";
inline constexpr wchar_t kUnreadableFileText[] =
    L"保存密码的文件qz.cts无法读取，它可能正被其他程序打开。请关闭该程序后再启动本软件。";
inline constexpr wchar_t kWrongPasswordText[] = L"密码错误，请输入正确密码   ";
inline constexpr wchar_t kDeniedTitle[] = L"澈岚禁告！";
inline constexpr wchar_t kDeniedText[] = L"你无权使用本软件，请与澈岚联系  ";
inline constexpr int kAttempts = 3;

}  // namespace chelan::Module1
