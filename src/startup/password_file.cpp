#include "startup/password_file.h"

#include <cstdint>

namespace chelan {

namespace {

// The shift of the character at 1-based position i; the sum stays in 16-bit signed range.
std::int16_t Shift(std::size_t position) { return static_cast<std::int16_t>(50 + 2 * position); }

}  // namespace

std::wstring PasswordLookupPath(const std::wstring& programFolder) {
  return programFolder + L"/" + std::wstring(kPasswordLookupName);
}

std::wstring PasswordReadPath(const std::wstring& programFolder) {
  return programFolder + L"/" + std::wstring(kPasswordFileName);
}

std::wstring PasswordWritePath(const std::wstring& programFolder) {
  return programFolder + L"\\" + std::wstring(kPasswordFileName);
}

std::string Scramble(std::string_view password) {
  std::string result;
  for (std::size_t i = 0; i < password.size(); ++i) {
    const int code = static_cast<unsigned char>(password[i]) + Shift(i + 1);
    result.push_back(static_cast<char>(code));
  }
  return result;
}

std::optional<std::string> Unscramble(std::string_view scrambled) {
  std::string result;
  for (std::size_t i = 0; i < scrambled.size(); ++i) {
    const int code = static_cast<unsigned char>(scrambled[i]) - Shift(i + 1);
    if (code < 0) return std::nullopt;
    result.push_back(static_cast<char>(code));
  }
  return result;
}

std::optional<std::string> PasswordFileBytes(std::string_view password) {
  if (password.size() > kMaxStoredLength) return std::nullopt;
  for (std::size_t i = 0; i < password.size(); ++i) {
    if (static_cast<unsigned char>(password[i]) + Shift(i + 1) > 255) return std::nullopt;
  }
  std::string file = "\"";
  file += Scramble(password);
  file += "\"\r\n";
  return file;
}

std::optional<std::string> ReadStoredPassword(std::string_view fileBytes) {
  // The first field of the record: leading blanks are skipped, the text between the quotes is the
  // field, and whatever follows the closing quote is ignored.
  const std::size_t open = fileBytes.find_first_not_of(" \t");
  if (open == std::string_view::npos || fileBytes[open] != '"') return std::nullopt;
  const std::size_t close = fileBytes.find('"', open + 1);
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view field = fileBytes.substr(open + 1, close - open - 1);
  if (field.size() > kMaxStoredLength) return std::nullopt;
  std::optional<std::string> password = Unscramble(field);
  if (password && password->size() > kPasswordLength) password->resize(kPasswordLength);
  return password;
}

}  // namespace chelan
