// Replays the fuzz target's seed corpus, so that an input once found to break the reader keeps
// being checked by every test run, without a fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "password_reader_properties.h"

namespace chelan {
namespace {

TEST(PasswordFuzzCorpus, EverySeedKeepsTheReaderProperties) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CHELAN_FUZZ_CORPUS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(fuzz::CheckPasswordReader(bytes), "") << entry.path();
    ++seeds;
  }
  EXPECT_GT(seeds, 0) << "no seeds in " << CHELAN_FUZZ_CORPUS;
}

}  // namespace
}  // namespace chelan
