#pragma once
// The desktop as the program really uses it: the only code that calls SetSysColors, MessageBoxW,
// PlaySoundW, the registry functions, the file functions and ExitProcess.
#include <functional>

#include "platform/services.h"

namespace chelan {

class Win32Services : public Services {
 public:
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
};

// Writes the bytes to the open file (a HANDLE); false when they were not all written.
using FileWriteStep = std::function<bool(void* file, std::string_view bytes)>;
// ReplaceFileContents with the write step given, so that tests can make it fail on a real file.
bool ReplaceFileContentsWith(const std::wstring& path, std::string_view bytes, const FileWriteStep& write);

}  // namespace chelan
