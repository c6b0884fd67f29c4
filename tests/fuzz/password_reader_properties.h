#pragma once
// What the password reader and writer keep on any input, checked by the fuzz target on every input
// it makes and by a unit test over the seed corpus.
#include <string>
#include <string_view>

namespace chelan::fuzz {

// The input is taken both as a password file's content and as a password to write. Gives the
// first property that does not hold, or an empty text when all hold.
std::string CheckPasswordReader(std::string_view input);

}  // namespace chelan::fuzz
