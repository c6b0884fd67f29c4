#pragma once
// A recording stand-in for the desktop: every call is logged in order, answers are scripted, and
// files live in memory. Used by the unit tests and by the Windows tests.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace chelan::testing {

struct ShownMessage {
  std::wstring text;
  std::wstring title;
  MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

struct SysColorWrite {
  int element;
  ColorValue color;
  bool operator==(const SysColorWrite&) const = default;
};

struct PlayedSound {
  std::wstring path;
  bool loop;
  bool operator==(const PlayedSound&) const = default;
};

class FakeServices : public Services {
 public:
  // Every call in order, one line each ("SetSysColor 15 7260210", "ShowMessage 澈岚提示 …").
  std::vector<std::wstring> calls;
  std::vector<ShownMessage> messages;
  // Single-element writes (SetSysColor) in order; the several-element calls (SetSysColors) one entry
  // per call, so that a test sees how many calls a change took.
  std::vector<SysColorWrite> sysColors;
  std::vector<std::vector<SysColorWrite>> sysColorCalls;
  std::vector<PlayedSound> sounds;
  int endProgramCalls = 0;

  // Scripted world.
  std::wstring programFolder = L"C:\\Chelan";
  LocalTime now{2026, 12, 9, 14, 5, 9};
  bool failWrites = false;
  // The desktop's system colours by element: every write changes them, GetSysColor reads them; an
  // element never set reads as black.
  std::map<int, ColorValue> desktopColors;
  // The user's own colour scheme (HKCU\Control Panel\Colors) by value name; a name not here is
  // missing.
  std::map<std::wstring, std::wstring> userScheme;
  // Answers of the input boxes and colour dialogs in turn; nothing left means cancelled.
  std::deque<std::optional<std::wstring>> inputAnswers;
  std::deque<std::optional<ColorValue>> colorAnswers;
  // Runs inside each ShowMessage call, as a real box would let other code run while it is open.
  std::function<void(const ShownMessage&)> onMessage;

  // Files by path; the lookup ignores case and both kinds of slash, as Windows does.
  void PutFile(const std::wstring& path, const std::string& bytes);
  std::optional<std::string> FileBytes(const std::wstring& path) const;
  // As when another program holds the file open without sharing: it is there, but neither opens
  // nor reads.
  void LockFile(const std::wstring& path);
  // The settings store, by "application|section|key".
  std::map<std::wstring, std::wstring> settings;

  void SetSysColor(int element, ColorValue color) override;
  void SetSysColors(const std::vector<ColorWrite>& writes) override;
  ColorValue GetSysColor(int element) override;
  std::optional<std::wstring> UserSchemeColor(const std::wstring& name, std::size_t maxChars) override;
  void PlayWave(const std::wstring& path, bool loop) override;
  void StopSound() override;
  void ShowMessage(NativeWindow owner, const std::wstring& text, const std::wstring& title,
                  MessageIcon icon) override;
  std::optional<std::wstring> InputBox(NativeWindow owner, const std::wstring& prompt,
                                       const std::wstring& title) override;
  std::optional<ColorValue> PickColor(NativeWindow owner) override;
  std::wstring GetSetting(const std::wstring& application, const std::wstring& section,
                          const std::wstring& key, const std::wstring& fallback) override;
  void SaveSetting(const std::wstring& application, const std::wstring& section,
                   const std::wstring& key, const std::wstring& value) override;
  std::wstring ProgramFolder() override;
  std::wstring StoredFileName(const std::wstring& path) override;
  std::optional<std::string> ReadFileBytes(const std::wstring& path, std::size_t maxBytes) override;
  bool ReplaceFileContents(const std::wstring& path, std::string_view bytes) override;
  bool FileOpens(const std::wstring& path) override;
  void EndProgram() override;
  LocalTime Now() override;

 private:
  struct File {
    std::wstring storedPath;
    std::string bytes;
  };
  std::map<std::wstring, File> files_;  // by folded path
  std::set<std::wstring> locked_;       // folded paths
};

}  // namespace chelan::testing
