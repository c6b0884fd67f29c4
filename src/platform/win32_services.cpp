#include "platform/win32_services.h"

#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "forms/input_box.h"

namespace chelan {

namespace {

// Where classic Windows programs keep their per-user settings, so that stored values are found
// again.
std::wstring SettingsKey(const std::wstring& application, const std::wstring& section) {
  return L"Software\\VB and VBA Program Settings\\" + application + L"\\" + section;
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

HANDLE OpenForReading(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

void Win32Services::SetSysColor(int element, ColorValue color) {
  const INT elements[] = {element};
  const COLORREF colors[] = {color};
  ::SetSysColors(1, elements, colors);
}

void Win32Services::SetSysColors(const std::vector<ColorWrite>& writes) {
  if (writes.empty()) return;
  std::vector<INT> elements;
  std::vector<COLORREF> colors;
  for (const ColorWrite& write : writes) {
    elements.push_back(write.element);
    colors.push_back(write.color);
  }
  ::SetSysColors(static_cast<int>(writes.size()), elements.data(), colors.data());
}

ColorValue Win32Services::GetSysColor(int element) { return ::GetSysColor(element); }

std::optional<std::wstring> Win32Services::UserSchemeColor(const std::wstring& name, std::size_t maxChars) {
  constexpr wchar_t kSchemeKey[] = L"Control Panel\\Colors";
  // Room for the longest text taken and the nul Windows adds, and one character more, so that a
  // longer text is seen to be longer instead of being cut to fit.
  std::vector<wchar_t> buffer(maxChars + 2);
  DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, kSchemeKey, name.c_str(), RRF_RT_REG_SZ, nullptr, buffer.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;  // missing, not text, or too long for the buffer (ERROR_MORE_DATA)
  }
  std::size_t length = std::min<std::size_t>(size / sizeof(wchar_t), buffer.size());
  if (length > 0 && buffer[length - 1] == L'\0') --length;
  if (length > maxChars) return std::nullopt;
  return std::wstring(buffer.data(), length);
}

void Win32Services::PlayWave(const std::wstring& path, bool loop) {
  // Asynchronous, and never the default sound in place of a missing file.
  DWORD flags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;
  if (loop) flags |= SND_LOOP;
  ::PlaySoundW(path.c_str(), nullptr, flags);
}

void Win32Services::StopSound() { ::PlaySoundW(nullptr, nullptr, 0); }

void Win32Services::ShowMessage(NativeWindow owner, const std::wstring& text, const std::wstring& title,
                               MessageIcon icon) {
  UINT style = MB_OK;
  switch (icon) {
    case MessageIcon::Critical: style |= MB_ICONHAND; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MessageIcon::Information: style |= MB_ICONASTERISK; break;
    case MessageIcon::None: break;
  }
  style |= owner ? MB_APPLMODAL : MB_TASKMODAL;
  MessageBoxW(static_cast<HWND>(owner), text.c_str(), title.c_str(), style);
}

std::optional<std::wstring> Win32Services::InputBox(NativeWindow owner, const std::wstring& prompt,
                                                    const std::wstring& title) {
  forms::InputBoxForm box(prompt, title, static_cast<HWND>(owner));
  box.ShowModal();
  return box.Answer();
}

std::optional<ColorValue> Win32Services::PickColor(NativeWindow owner) {
  COLORREF custom[16] = {};  // black, and new on every call
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = static_cast<HWND>(owner);
  dialog.lpCustColors = custom;
  dialog.Flags = 0;  // no initial colour, the short form, custom colours can be defined
  if (!ChooseColorW(&dialog)) return std::nullopt;
  return dialog.rgbResult;
}

std::wstring Win32Services::GetSetting(const std::wstring& application, const std::wstring& section,
                                       const std::wstring& key, const std::wstring& fallback) {
  DWORD size = 0;
  const std::wstring subKey = SettingsKey(application, section);
  if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return fallback;
  }
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
  size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, buffer.data(),
                   &size) != ERROR_SUCCESS) {
    return fallback;
  }
  return std::wstring(buffer.data());
}

void Win32Services::SaveSetting(const std::wstring& application, const std::wstring& section,
                                const std::wstring& key, const std::wstring& value) {
  HKEY settings = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey(application, section).c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &settings, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(settings, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(settings);
}

std::wstring Win32Services::ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      std::wstring full(path.data(), length);
      return full.substr(0, full.find_last_of(L"\\/"));
    }
    path.resize(path.size() * 2);
  }
}

std::wstring Win32Services::StoredFileName(const std::wstring& path) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  constexpr DWORD notOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (found.dwFileAttributes & notOrdinary) return {};
  return found.cFileName;
}

std::optional<std::string> Win32Services::ReadFileBytes(const std::wstring& path, std::size_t maxBytes) {
  FileHandle file(OpenForReading(path));
  if (!file.valid()) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  while (bytes.size() < maxBytes) {
    const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
    DWORD got = 0;
    // A range locked by another program fails here rather than at the open.
    if (!ReadFile(file.get(), buffer, wanted, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return bytes;
}

bool Win32Services::ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
  return ReplaceFileContentsWith(path, bytes, [](void* file, std::string_view data) {
    DWORD written = 0;
    return WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size();
  });
}

bool ReplaceFileContentsWith(const std::wstring& path, std::string_view bytes, const FileWriteStep& write) {
  // A read-only file is how its owner locks the password. Windows refuses to replace one anyway;
  // Wine would replace it, and the new file would not even keep the attribute.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;

  // The new content goes into a file beside the old one first; only a complete file takes the old
  // one's place, in one rename.
  const std::wstring fresh = path + L".new";
  bool complete = false;
  {
    FileHandle file(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    complete = write(file.get(), bytes) && FlushFileBuffers(file.get());
  }
  // Deleted only once its handle is closed: a file open without shared delete access cannot be
  // deleted, and would stay behind.
  if (!complete ||
      !MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(fresh.c_str());
    return false;
  }
  return true;
}

bool Win32Services::FileOpens(const std::wstring& path) { return FileHandle(OpenForReading(path)).valid(); }

void Win32Services::EndProgram() { ExitProcess(0); }

LocalTime Win32Services::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace chelan
