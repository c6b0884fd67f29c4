#pragma once
// The password file "qz.cts": one quoted record of the scrambled password and a line end, read and
// written as bytes of the ANSI code page.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace chelan {

inline constexpr std::wstring_view kPasswordFileName = L"qz.cts";
// The presence test looks this name up ignoring case; the stored name must then be kPasswordFileName.
inline constexpr std::wstring_view kPasswordLookupName = L"QZ.CTS";

// Only the first characters count as the password; the login entry takes no more.
inline constexpr std::size_t kPasswordLength = 8;
// The longest password the file holds; the reader takes every length the writer can write.
inline constexpr std::size_t kMaxStoredLength = 31;

// How much of the file the reader takes. The record is at most 33 bytes; the rest leaves room for
// leading blanks, while a file of any size (or an endless one) is answered at once, with a buffer of
// this size. A file whose first kPasswordReadLimit bytes hold no whole record counts as damaged.
inline constexpr std::size_t kPasswordReadLimit = 4096;

// The three paths of the file, each formed as the program has always formed it.
std::wstring PasswordLookupPath(const std::wstring& programFolder);  // folder + "/QZ.CTS"
std::wstring PasswordReadPath(const std::wstring& programFolder);    // folder + "/qz.cts"
std::wstring PasswordWritePath(const std::wstring& programFolder);   // folder + "\qz.cts"

// Each character moves up by 50 plus twice its 1-based position. The two are exact inverses;
// Unscramble gives nothing when a code falls below 0.
std::string Scramble(std::string_view password);
std::optional<std::string> Unscramble(std::string_view scrambled);

// The whole file for a password: quote, scrambled text, quote, CR, LF. Nothing for a password
// longer than kMaxStoredLength or with a character whose stored code would not fit in a byte.
std::optional<std::string> PasswordFileBytes(std::string_view password);

// The stored password (its first kPasswordLength characters) from the file's first bytes, or
// nothing when the file is damaged: no quoted first field, a field longer than kMaxStoredLength, or
// a code that does not unscramble. What follows the closing quote is never looked at.
std::optional<std::string> ReadStoredPassword(std::string_view fileBytes);

}  // namespace chelan
