#include "fake_services.h"

#include <cwctype>

namespace chelan::testing {

namespace {

std::wstring Fold(const std::wstring& path) {
  std::wstring folded;
  for (wchar_t c : path) folded.push_back(c == L'\\' ? L'/' : static_cast<wchar_t>(std::towlower(c)));
  return folded;
}

std::wstring LastPart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

const wchar_t* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return L"critical";
    case MessageIcon::Question: return L"question";
    case MessageIcon::Exclamation: return L"exclamation";
    case MessageIcon::Information: return L"information";
    case MessageIcon::None: break;
  }
  return L"none";
}

}  // namespace

void FakeServices::PutFile(const std::wstring& path, const std::string& bytes) {
  files_[Fold(path)] = File{path, bytes};
}

std::optional<std::string> FakeServices::FileBytes(const std::wstring& path) const {
  const auto it = files_.find(Fold(path));
  if (it == files_.end()) return std::nullopt;
  return it->second.bytes;
}

void FakeServices::SetSysColor(int element, ColorValue color) {
  sysColors.push_back({element, color});
  desktopColors[element] = color;
  calls.push_back(L"SetSysColor " + std::to_wstring(element) + L" " + std::to_wstring(color));
}

void FakeServices::SetSysColors(const std::vector<ColorWrite>& writes) {
  std::wstring line = L"SetSysColors";
  std::vector<SysColorWrite> call;
  for (const ColorWrite& write : writes) {
    call.push_back({write.element, write.color});
    desktopColors[write.element] = write.color;
    line += L" " + std::to_wstring(write.element) + L" " + std::to_wstring(write.color);
  }
  sysColorCalls.push_back(call);
  calls.push_back(line);
}

ColorValue FakeServices::GetSysColor(int element) {
  calls.push_back(L"GetSysColor " + std::to_wstring(element));
  const auto it = desktopColors.find(element);
  return it == desktopColors.end() ? 0 : it->second;
}

std::optional<std::wstring> FakeServices::UserSchemeColor(const std::wstring& name, std::size_t maxChars) {
  calls.push_back(L"UserSchemeColor " + name);
  const auto it = userScheme.find(name);
  if (it == userScheme.end() || it->second.size() > maxChars) return std::nullopt;
  return it->second;
}

void FakeServices::PlayWave(const std::wstring& path, bool loop) {
  sounds.push_back({path, loop});
  calls.push_back(std::wstring(loop ? L"PlayLoop " : L"PlayOnce ") + path);
}

void FakeServices::StopSound() { calls.push_back(L"StopSound"); }

void FakeServices::ShowMessage(NativeWindow, const std::wstring& text, const std::wstring& title,
                              MessageIcon icon) {
  messages.push_back({text, title, icon});
  calls.push_back(L"ShowMessage " + title + L" " + text + L" [" + IconName(icon) + L"]");
  if (onMessage) onMessage(messages.back());
}

std::optional<std::wstring> FakeServices::InputBox(NativeWindow, const std::wstring& prompt,
                                                   const std::wstring& title) {
  calls.push_back(L"InputBox " + title + L" " + prompt);
  if (inputAnswers.empty()) return std::nullopt;
  std::optional<std::wstring> answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::optional<ColorValue> FakeServices::PickColor(NativeWindow) {
  calls.push_back(L"PickColor");
  if (colorAnswers.empty()) return std::nullopt;
  std::optional<ColorValue> answer = colorAnswers.front();
  colorAnswers.pop_front();
  return answer;
}

std::wstring FakeServices::GetSetting(const std::wstring& application, const std::wstring& section,
                                      const std::wstring& key, const std::wstring& fallback) {
  const auto it = settings.find(application + L"|" + section + L"|" + key);
  return it == settings.end() ? fallback : it->second;
}

void FakeServices::SaveSetting(const std::wstring& application, const std::wstring& section,
                               const std::wstring& key, const std::wstring& value) {
  settings[application + L"|" + section + L"|" + key] = value;
  calls.push_back(L"SaveSetting " + application + L"|" + section + L"|" + key + L" " + value);
}

std::wstring FakeServices::ProgramFolder() { return programFolder; }

std::wstring FakeServices::StoredFileName(const std::wstring& path) {
  const auto it = files_.find(Fold(path));
  return it == files_.end() ? std::wstring() : LastPart(it->second.storedPath);
}

void FakeServices::LockFile(const std::wstring& path) { locked_.insert(Fold(path)); }

std::optional<std::string> FakeServices::ReadFileBytes(const std::wstring& path, std::size_t maxBytes) {
  calls.push_back(L"ReadFile " + path + L" " + std::to_wstring(maxBytes));
  if (locked_.count(Fold(path))) return std::nullopt;
  std::optional<std::string> bytes = FileBytes(path);
  if (bytes && bytes->size() > maxBytes) bytes->resize(maxBytes);
  return bytes;
}

bool FakeServices::ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
  calls.push_back(L"ReplaceFileContents " + path);
  if (failWrites) return false;
  PutFile(path, std::string(bytes));
  return true;
}

bool FakeServices::FileOpens(const std::wstring& path) {
  return files_.count(Fold(path)) != 0 && locked_.count(Fold(path)) == 0;
}

void FakeServices::EndProgram() {
  ++endProgramCalls;
  calls.push_back(L"EndProgram");
}

LocalTime FakeServices::Now() { return now; }

}  // namespace chelan::testing
