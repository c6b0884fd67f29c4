#include "e2e_harness.h"

#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "startup/password_file.h"

namespace chelan::e2e {

namespace {

constexpr milliseconds kPoll{5};
// How long a window of the program may take to answer a message.
const UINT kReplyLimit = static_cast<UINT>(TimeLimit(milliseconds(2000)).count());

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write a staged file");
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

struct Search {
  DWORD process;
  std::wstring className;
  const std::wstring* text;
  bool visibleOnly = true;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || (search->visibleOnly && !IsWindowVisible(window))) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (search->className != className) return TRUE;
  if (search->text && WindowText(window) != *search->text) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::wstring CurrentFolder() {
  std::vector<wchar_t> buffer(GetCurrentDirectoryW(0, nullptr));
  GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  return buffer.data();
}

StagedFolder::StagedFolder(const std::wstring& name, const std::optional<std::string>& passwordFile,
                           const std::wstring& passwordName) {
  const std::wstring ready = CurrentFolder();
  const std::wstring root = ready + L"\\..\\e2e-folders";
  CreateDirectoryW(root.c_str(), nullptr);
  path_ = root + L"\\" + name;
  // Whatever an earlier run left goes first.
  for (const wchar_t* file : {L"qz.cts", L"QZ.CTS", L"qz.cts.new", L"ChelanSkin.exe"}) {
    DeleteFileW((path_ + L"\\" + file).c_str());
  }
  CreateDirectoryW(path_.c_str(), nullptr);
  for (const wchar_t* file : {L"ChelanSkin.exe", L"集结号.wav", L"澈岚1.wav", L"澈岚2.wav", L"澈岚3.wav"}) {
    if (!CopyFileW((ready + L"\\" + file).c_str(), (path_ + L"\\" + file).c_str(), FALSE)) {
      throw std::runtime_error("cannot copy the ready program folder");
    }
  }
  if (passwordFile) WriteBytes(path_ + L"\\" + passwordName, *passwordFile);
}

std::optional<std::string> StagedFolder::ReadFile(const std::wstring& name) const {
  HANDLE file = CreateFileW((path_ + L"\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[256];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

Program::Program(const std::wstring& folder) {
  std::wstring command = L"\"" + folder + L"\\ChelanSkin.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  started_ = std::chrono::steady_clock::now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info_)) {
    throw std::runtime_error("cannot start ChelanSkin.exe");
  }
}

Program::~Program() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, static_cast<DWORD>(TimeLimit(milliseconds(5000)).count()));
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Program::WaitForExit(milliseconds timeout) {
  return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

milliseconds Program::SinceStart() const {
  return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - started_);
}

HWND Program::WaitForWindow(const std::wstring& className, const std::wstring& text, milliseconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  do {
    Search search{info_.dwProcessId, className, &text};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0) return nullptr;
    std::this_thread::sleep_for(kPoll);
  } while (std::chrono::steady_clock::now() < until);
  return nullptr;
}

HWND Program::FindWindowOf(const std::wstring& className) const {
  Search search{info_.dwProcessId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::FindCreatedWindowOf(const std::wstring& className) const {
  Search search{info_.dwProcessId, className, nullptr, false};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kReplyLimit, nullptr);
  return text;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring longest;
  for (HWND child = FindWindowExW(box, nullptr, L"Static", nullptr); child;
       child = FindWindowExW(box, child, L"Static", nullptr)) {
    const std::wstring text = WindowText(child);
    if (text.size() > longest.size()) longest = text;
  }
  return longest;
}

void AnswerMessageBox(HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

HWND ChildOf(HWND parent, const std::wstring& className, int index) {
  HWND child = nullptr;
  for (int i = 0; i <= index; ++i) {
    child = FindWindowExW(parent, child, className.c_str(), nullptr);
    if (!child) return nullptr;
  }
  return child;
}

HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text) {
  return FindWindowExW(parent, nullptr, className.c_str(), text.c_str());
}

void SetText(HWND control, const std::wstring& text) {
  SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kReplyLimit, nullptr);
}

void Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool IsShown(HWND window) { return window && IsWindowVisible(window); }

namespace {

struct DescendantSearch {
  const std::wstring* className;
  const std::wstring* text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DescendantSearch*>(param);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (lstrcmpiW(className, search->className->c_str()) != 0 || WindowText(window) != *search->text) return TRUE;
  search->found = window;
  return FALSE;
}

// The probe beside this program, or the one CHELAN_SYSCOLOR_PROBE names: where 32-bit programs run
// under emulation, each one takes about a minute to start, and tools/test hands the 32-bit harness
// the 64-bit probe, which reads the same desktop's colours as a fresh process of its own.
std::wstring ProbePath() {
  std::vector<wchar_t> named(MAX_PATH);
  const DWORD namedLength =
      GetEnvironmentVariableW(L"CHELAN_SYSCOLOR_PROBE", named.data(), static_cast<DWORD>(named.size()));
  if (namedLength > 0 && namedLength < named.size()) return std::wstring(named.data(), namedLength);
  std::vector<wchar_t> path(MAX_PATH);
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring self(path.data(), length);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"syscolor_probe.exe";
}

}  // namespace

HWND DescendantWithText(HWND parent, const std::wstring& className, const std::wstring& text) {
  DescendantSearch search{&className, &text};
  EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OpenPage1(Program& program) {
  HWND login = program.WaitForWindow(L"ChelanFrmpass", L"用户登录");
  if (!login) return nullptr;
  Press(ChildWithText(login, L"Button", L"确定"));
  return WaitForPage(program, 1);
}

const wchar_t* PageClass(int number) {
  static const wchar_t* const classes[] = {L"ChelanFrmFancyfrm", L"ChelanFrmFancyfrm1", L"ChelanFrmFancyfrm2"};
  return classes[number - 1];
}

HWND WaitForPage(Program& program, int number) {
  // Page 1's caption gains a second blank after the gate.
  const std::wstring caption = number == 1 ? L"澈岚皮肤v6.1版  欢迎使用" : L"澈岚皮肤v6.1版 欢迎使用";
  return program.WaitForWindow(PageClass(number), caption);
}

bool PressIn(HWND window, const std::wstring& caption) {
  HWND button = DescendantWithText(window, L"Button", caption);
  if (button) Press(button);
  return button != nullptr;
}

OnPage1::OnPage1(const std::wstring& folderName)
    : folder(folderName, PasswordFileBytes("")), program(folder), page1(OpenPage1(program)) {}

HWND NavigateTo(Program& program, HWND from, const std::wstring& caption, int number) {
  return PressIn(from, caption) ? WaitForPage(program, number) : nullptr;
}

namespace {
const wchar_t kScoreKey[] = L"Software\\VB and VBA Program Settings\\Vennoraks\\澈岚拼图训练营";
}  // namespace

StoredBestTimes::StoredBestTimes(const std::vector<std::pair<std::wstring, std::wstring>>& values) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kScoreKey);
  for (const auto& [name, value] : values) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kScoreKey, name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
}

StoredBestTimes::~StoredBestTimes() { RegDeleteTreeW(HKEY_CURRENT_USER, kScoreKey); }

namespace {
const wchar_t kSchemeKey[] = L"Control Panel\\Colors";
const wchar_t kSessionSchemeKey[] = L"Software\\Wine\\Temporary System Parameters\\Control Panel\\Colors";

std::optional<std::wstring> RegistryText(const wchar_t* key, const std::wstring& name) {
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::vector<wchar_t> text(size / sizeof(wchar_t) + 1);
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text.data());
}

void SetRegistryText(const wchar_t* key, const std::wstring& name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
}  // namespace

UserColorScheme::UserColorScheme(const std::vector<std::pair<std::wstring, std::wstring>>& values) {
  for (const auto& [name, value] : values) {
    saved_.emplace_back(name, RegistryText(kSchemeKey, name));
    SetRegistryText(kSchemeKey, name, value);
  }
  LogOff();
}

UserColorScheme::~UserColorScheme() {
  for (const auto& [name, value] : saved_) {
    if (value) {
      SetRegistryText(kSchemeKey, name, *value);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kSchemeKey, name.c_str());
    }
  }
  LogOff();
}

void UserColorScheme::WriteInSession(const std::wstring& name, const std::wstring& value) const {
  SetRegistryText(kSessionSchemeKey, name, value);
}

void UserColorScheme::LogOff() const {
  for (const auto& entry : saved_) RegDeleteKeyValueW(HKEY_CURRENT_USER, kSessionSchemeKey, entry.first.c_str());
}

void PressKeys(std::initializer_list<WORD> keys) {
  for (WORD key : keys) {
    INPUT input[2] = {};
    for (INPUT& event : input) {
      event.type = INPUT_KEYBOARD;
      event.ki.wVk = key;
      event.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    // A key at a time, as a hand types: the menu one key opens is there for the next.
    Sleep(100);
  }
}

COLORREF ReadSysColor(int element) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) throw std::runtime_error("no pipe for the probe");
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + ProbePath() + L"\" " + std::to_wstring(element);
  const BOOL started =
      CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    throw std::runtime_error("cannot start syscolor_probe.exe");
  }
  std::string output;
  char buffer[64];
  DWORD got = 0;
  while (::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  WaitForSingleObject(info.hProcess, static_cast<DWORD>(TimeLimit(milliseconds(10000)).count()));
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  CloseHandle(readEnd);
  return static_cast<COLORREF>(std::strtoul(output.c_str(), nullptr, 10));
}

COLORREF WaitForSysColor(int element, COLORREF expected, milliseconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  COLORREF value = ReadSysColor(element);
  while (value != expected && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(milliseconds(20));
    value = ReadSysColor(element);
  }
  return value;
}

}  // namespace chelan::e2e
