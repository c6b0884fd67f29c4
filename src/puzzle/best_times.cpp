#include "puzzle/best_times.h"

#include <algorithm>
#include <climits>

#include "puzzle/tile_geometry.h"

namespace chelan {

namespace {

std::wstring Get(Services& services, const std::wstring& key, const std::wstring& fallback) {
  return services.GetSetting(kScoreApplication, kScoreSection, key, fallback);
}

void Save(Services& services, const std::wstring& key, const std::wstring& value) {
  services.SaveSetting(kScoreApplication, kScoreSection, key, value);
}

// Digits only; a value too large for a count of seconds is still a valid (unbeatable) record.
std::optional<int> WholeNumber(std::wstring_view text) {
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = std::min<long long>(value * 10 + (c - L'0'), INT_MAX);
  }
  return static_cast<int>(value);
}

bool IsHighSurrogate(wchar_t c) {
  const auto unit = static_cast<unsigned long>(c);
  return unit >= 0xD800 && unit <= 0xDBFF;
}

// At most the 20 characters a name may have. Where wchar_t is a UTF-16 unit, a cut between the
// halves of a pair would keep half a character.
std::wstring_view NameCut(std::wstring_view name) {
  name = name.substr(0, kMaxNameLength);
  if (sizeof(wchar_t) == 2 && name.size() == kMaxNameLength && IsHighSurrogate(name.back())) {
    name.remove_suffix(1);
  }
  return name;
}

}  // namespace

std::wstring TimeKey(int boardSize) { return std::to_wstring(boardSize); }

std::wstring NameKey(int boardSize) { return kNameKeyPrefix + std::to_wstring(boardSize); }

int StoredBestTime(Services& services, int boardSize) {
  const std::wstring stored = Get(services, TimeKey(boardSize), std::to_wstring(kNoBestTime));
  const std::optional<int> seconds = WholeNumber(stored);
  return seconds && *seconds > 0 ? *seconds : kNoBestTime;
}

std::wstring PlayerName(std::wstring_view answer) {
  const std::size_t first = answer.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  const std::size_t last = answer.find_last_not_of(L' ');
  return std::wstring(NameCut(answer.substr(first, last - first + 1)));
}

bool CheckBestTime(Services& services, int boardSize, int elapsedSeconds, const AskName& askName) {
  // An equal time is no record, and 0 seconds means the stopwatch never ran.
  if (!(StoredBestTime(services, boardSize) > elapsedSeconds && elapsedSeconds > 0)) return false;
  Save(services, TimeKey(boardSize), std::to_wstring(elapsedSeconds));
  const std::optional<std::wstring> answer = askName ? askName(kNamePrompt, kScoreTitle) : std::nullopt;
  Save(services, NameKey(boardSize), answer ? PlayerName(*answer) : std::wstring());
  return true;
}

std::wstring ScoreTableText(Services& services) {
  std::wstring text = L"级别\t时间\t姓名\r\n";
  for (int level = kMinBoardSize; level <= kMaxBoardSize; ++level) {
    // A name longer than the puzzle ever stores (written into the store by hand) would stretch the
    // message box past the screen and its OK button out of reach.
    text += std::to_wstring(level) + L"\t" + Get(services, TimeKey(level), L"-") + L"\t" +
            std::wstring(NameCut(Get(services, NameKey(level), L"-"))) + L"\r\n";
  }
  return text;
}

void ShowScoreTable(Services& services, NativeWindow owner) {
  services.ShowMessage(owner, ScoreTableText(services), kScoreTitle, MessageIcon::None);
}

}  // namespace chelan
