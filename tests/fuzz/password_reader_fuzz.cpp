// libFuzzer target over the password reader and writer; built and run by tools/fuzz.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "password_reader_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure =
      chelan::fuzz::CheckPasswordReader(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "password reader: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
