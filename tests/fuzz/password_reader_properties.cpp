#include "password_reader_properties.h"

#include <optional>

#include "startup/password_file.h"

namespace chelan::fuzz {

namespace {

// As the start-up reads the file: its first bytes only.
std::optional<std::string> ReadAtStartup(std::string_view file) {
  return ReadStoredPassword(file.substr(0, kPasswordReadLimit));
}

std::string CheckAsFile(std::string_view input) {
  const std::optional<std::string> read = ReadAtStartup(input);
  if (!read) return {};
  if (read->size() > kPasswordLength) return "the reader gave more than 8 characters";
  // The record lies within what was read; the rest of the file must not matter.
  if (ReadStoredPassword(input) != read) return "reading the whole file gave another password";
  // Whatever the reader takes, the writer can store again, and it reads back unchanged.
  const std::optional<std::string> rewritten = PasswordFileBytes(*read);
  if (!rewritten) return "the writer refused a password the reader gave";
  if (ReadAtStartup(*rewritten) != read) return "a password read and written again changed";
  return {};
}

std::string CheckAsPassword(std::string_view password) {
  const std::optional<std::string> file = PasswordFileBytes(password);
  if (!file) return {};
  if (password.size() > kMaxStoredLength) return "the writer took a password longer than 31 characters";
  if (file->size() != password.size() + 4) return "the written file is not the password's length plus 4";
  if (Unscramble(Scramble(password)) != std::string(password)) return "unscrambling did not undo scrambling";
  const std::string firstEight(password.substr(0, kPasswordLength));
  if (ReadAtStartup(*file) != firstEight) return "a written password did not read back as its first 8 characters";
  // Blanks before the record and anything after it (here the password itself) change nothing.
  const std::string framed = " \t" + *file + std::string(password);
  if (ReadAtStartup(framed) != firstEight) return "blanks before or text after the record changed the password";
  return {};
}

}  // namespace

std::string CheckPasswordReader(std::string_view input) {
  std::string failure = CheckAsFile(input);
  if (failure.empty()) failure = CheckAsPassword(input);
  return failure;
}

}  // namespace chelan::fuzz
