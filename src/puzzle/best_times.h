#pragma once
// The per-level best-time table in the settings store: the record check after a win and the text
// of the score table.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace chelan {

inline constexpr wchar_t kScoreApplication[] = L"Vennoraks";
inline constexpr wchar_t kScoreSection[] = L"澈岚拼图训练营";
inline constexpr wchar_t kNameKeyPrefix[] = L"姓名";
inline constexpr wchar_t kNamePrompt[] = L"填写你的姓名!";
inline constexpr wchar_t kScoreTitle[] = L"成绩表";
// The best time of a level without a record.
inline constexpr int kNoBestTime = 9999;
inline constexpr std::size_t kMaxNameLength = 20;

// Asks for the player's name in an input box with this prompt and title; nothing when cancelled.
using AskName =
    std::function<std::optional<std::wstring>(const std::wstring& prompt, const std::wstring& title)>;

// Keys of a level: its time under "3", its name under "姓名3".
std::wstring TimeKey(int boardSize);
std::wstring NameKey(int boardSize);

// The stored best time of the level in seconds, kNoBestTime when there is none. A value that is
// not a positive whole number was not written by the puzzle and counts as no record, so the next
// win replaces it.
int StoredBestTime(Services& services, int boardSize);

// The input box's answer as it is stored: spaces removed at both ends, then at most 20 characters.
std::wstring PlayerName(std::wstring_view answer);

// After a win: a strictly better time of more than 0 seconds is stored, then the name is asked for
// and stored; otherwise nothing is stored and nothing asked. True when a record was stored.
bool CheckBestTime(Services& services, int boardSize, int elapsedSeconds, const AskName& askName);

// One header line and one line per level 2 to 9, tab-separated, CR LF after each; "-" for a value
// that is not in the store, times as stored, and at most the first 20 characters of a name.
std::wstring ScoreTableText(Services& services);

// The score table in a message box titled "成绩表", rebuilt from the store on every call.
void ShowScoreTable(Services& services, NativeWindow owner);

}  // namespace chelan
