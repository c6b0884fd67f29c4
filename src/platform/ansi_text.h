#pragma once
// Text typed into the program as bytes of the system's ANSI code page, the form the password file
// keeps.
#include <optional>
#include <string>

namespace chelan {

// One byte per character, or nothing when a character has no single-byte code in the code page.
std::optional<std::string> SingleByteAnsi(const std::wstring& text);

}  // namespace chelan
