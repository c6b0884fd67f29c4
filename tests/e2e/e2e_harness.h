#pragma once
// Starts the real program in a folder of its own and finds, reads and answers its windows by their
// texts, as a user (or a screen reader) sees them.
#include <windows.h>

#include <chrono>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "time_limit.h"

namespace chelan::e2e {

using std::chrono::milliseconds;
inline const milliseconds kPatience = TimeLimit(milliseconds(15000));

// The current folder of this process.
std::wstring CurrentFolder();

// A fresh copy of the ready program folder; the password file only when given, under the given
// stored name.
class StagedFolder {
 public:
  StagedFolder(const std::wstring& name, const std::optional<std::string>& passwordFile,
               const std::wstring& passwordName = L"qz.cts");
  const std::wstring& path() const { return path_; }
  std::optional<std::string> ReadFile(const std::wstring& name) const;

 private:
  std::wstring path_;
};

class Program {
 public:
  explicit Program(const StagedFolder& folder) : Program(folder.path()) {}
  // ChelanSkin.exe of the folder, started with the folder as its current folder.
  explicit Program(const std::wstring& folder);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();  // ends it if it still runs

  DWORD id() const { return info_.dwProcessId; }
  bool WaitForExit(milliseconds timeout = kPatience);
  milliseconds SinceStart() const;

  // A visible top-level window of this process with the class and text; waits up to the timeout.
  HWND WaitForWindow(const std::wstring& className, const std::wstring& text, milliseconds timeout = kPatience);
  // Any visible top-level window of this process with the class, or null.
  HWND FindWindowOf(const std::wstring& className) const;
  // Any top-level window of this process with the class, shown or not, or null.
  HWND FindCreatedWindowOf(const std::wstring& className) const;

 private:
  PROCESS_INFORMATION info_{};
  std::chrono::steady_clock::time_point started_;
};

std::wstring WindowText(HWND window);
// The text of a message box (its longest static text).
std::wstring MessageBoxText(HWND box);
// Presses the box's OK button without waiting for what follows.
void AnswerMessageBox(HWND box);
// The n-th child (0-based, in creation order) of a class, optionally with a text.
HWND ChildOf(HWND parent, const std::wstring& className, int index = 0);
HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text);
void SetText(HWND control, const std::wstring& text);
// Clicks a button without waiting for what its click starts (a modal box, say).
void Press(HWND button);
bool IsShown(HWND window);
// A control anywhere below the window (in a picture box, say) by class and text.
HWND DescendantWithText(HWND parent, const std::wstring& className, const std::wstring& text);

// Logs in with the empty password and waits for skin page 1; null when it does not come.
HWND OpenPage1(Program& program);
// The window class of skin page 1, 2 or 3.
const wchar_t* PageClass(int number);
// Waits for skin page 1, 2 or 3 to be shown.
HWND WaitForPage(Program& program, int number);
// Presses the button with the caption anywhere below the window; false when there is none.
bool PressIn(HWND window, const std::wstring& caption);
// Presses a page's navigation button and waits for skin page `number`; null when it does not come.
HWND NavigateTo(Program& program, HWND from, const std::wstring& caption, int number);

// The program started in a folder of its own that holds the empty password, logged in; page1 is
// null when skin page 1 does not come.
struct OnPage1 {
  explicit OnPage1(const std::wstring& folderName);
  StagedFolder folder;
  Program program;
  HWND page1;
};

// Best puzzle times in the user's registry, as the program stores them (a level's time under its
// number, the name under "姓名" and the number); whatever was stored before goes first, and all
// of it goes again with the object.
class StoredBestTimes {
 public:
  explicit StoredBestTimes(const std::vector<std::pair<std::wstring, std::wstring>>& values);
  StoredBestTimes(const StoredBestTimes&) = delete;
  StoredBestTimes& operator=(const StoredBestTimes&) = delete;
  ~StoredBestTimes();
};

// The user's own colour scheme (HKCU\Control Panel\Colors) with the given values, and the desktop
// as right after a log-on. Wine keeps the colours written during a session in a volatile copy of the
// scheme (HKCU\Software\Wine\Temporary System Parameters\Control Panel\Colors) that a fresh
// process reads first, until the wine server stops; without a value there, the process takes the
// scheme's. The object puts the values back as they were, and logs the session's colours off again.
class UserColorScheme {
 public:
  explicit UserColorScheme(const std::vector<std::pair<std::wstring, std::wstring>>& values);
  UserColorScheme(const UserColorScheme&) = delete;
  UserColorScheme& operator=(const UserColorScheme&) = delete;
  ~UserColorScheme();

  // As if another program had written the colour of the scheme value during this session.
  void WriteInSession(const std::wstring& name, const std::wstring& value) const;

 private:
  void LogOff() const;
  // Each name with its text before, or nothing when it had none.
  std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

// Presses and releases each key in turn on the keyboard, for whichever window has the focus.
void PressKeys(std::initializer_list<WORD> keys);

// The current value of a system colour, read by a fresh process.
COLORREF ReadSysColor(int element);
// Polls until the colour has the expected value or the patience runs out; gives the last value.
COLORREF WaitForSysColor(int element, COLORREF expected, milliseconds timeout = TimeLimit(milliseconds(5000)));

}  // namespace chelan::e2e
