#include "startup/password_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace chelan {
namespace {

std::vector<int> Bytes(const std::string& s) {
  std::vector<int> codes;
  for (unsigned char c : s) codes.push_back(c);
  return codes;
}
std::string FromBytes(std::initializer_list<int> codes) { return {codes.begin(), codes.end()}; }

struct RoundTrip {
  const char* name;
  std::string password;
  std::string expectedPassword;  // what the reader makes of the written file
};

class PasswordRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(PasswordRoundTrip, WrittenFileReadsBackAsItsFirstEightCharacters) {
  const RoundTrip& c = GetParam();
  const std::optional<std::string> file = PasswordFileBytes(c.password);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), c.password.size() + 4);
  EXPECT_EQ(Unscramble(Scramble(c.password)), c.password);
  EXPECT_EQ(ReadStoredPassword(*file), c.expectedPassword);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, PasswordRoundTrip,
    ::testing::Values(RoundTrip{"empty", "", ""}, RoundTrip{"three", "abc", "abc"},
                      RoundTrip{"eight", "Pa55w0rd", "Pa55w0rd"},
                      RoundTrip{"ten", "0123456789", "01234567"},
                      RoundTrip{"twentyOne", "abcdefghijklmnopqrstu", "abcdefgh"},
                      RoundTrip{"thirtyOne", std::string(31, '~'), std::string(8, '~')},
                      RoundTrip{"blanksKept", " a b ", " a b "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasswordFile, EmptyPasswordIsTheFourBytesQuoteQuoteCrLf) {
  EXPECT_EQ(Bytes(*PasswordFileBytes("")), (std::vector<int>{34, 34, 13, 10}));
}

TEST(PasswordFile, AbcIsStoredAsCodes149_152_155) {
  EXPECT_EQ(Bytes(*PasswordFileBytes("abc")), (std::vector<int>{34, 149, 152, 155, 34, 13, 10}));
}

TEST(PasswordFile, SameCharacterGainsTwoPerPosition) {
  EXPECT_EQ(Bytes(Scramble("aaaa")), (std::vector<int>{149, 151, 153, 155}));
}

TEST(PasswordFile, PrintableCharactersNeverScrambleToAQuoteOrControlCode) {
  for (int code = 32; code <= 126; ++code) {
    for (std::size_t pos = 0; pos < kMaxStoredLength; ++pos) {
      std::string password(pos + 1, 'a');
      password[pos] = static_cast<char>(code);
      const int stored = static_cast<unsigned char>(Scramble(password)[pos]);
      EXPECT_GE(stored, 84);
      EXPECT_LE(stored, 238);
    }
  }
}

TEST(PasswordFile, WriterRefusesWhatTheFormatCannotHold) {
  EXPECT_FALSE(PasswordFileBytes(std::string(32, 'a')));
  // 250 + 52 does not fit in a byte.
  EXPECT_FALSE(PasswordFileBytes(FromBytes({250})));
}

TEST(PasswordFile, ThePathsKeepTheirSlashesAndCase) {
  EXPECT_EQ(PasswordLookupPath(L"C:\\p"), L"C:\\p/QZ.CTS");
  EXPECT_EQ(PasswordReadPath(L"C:\\p"), L"C:\\p/qz.cts");
  EXPECT_EQ(PasswordWritePath(L"C:\\p"), L"C:\\p\\qz.cts");
}

TEST(PasswordFile, ReaderIgnoresWhatFollowsTheClosingQuote) {
  EXPECT_EQ(ReadStoredPassword(FromBytes({34, 149, 152, 155, 34, 44, 34, 99, 34})), "abc");
  EXPECT_EQ(ReadStoredPassword(FromBytes({34, 149, 152, 155, 34})), "abc");
}

struct Damaged {
  const char* name;
  std::string bytes;
};

class DamagedPasswordFile : public ::testing::TestWithParam<Damaged> {};

TEST_P(DamagedPasswordFile, GivesNoPassword) { EXPECT_FALSE(ReadStoredPassword(GetParam().bytes)); }

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedPasswordFile,
    ::testing::Values(Damaged{"empty", ""}, Damaged{"onlyLineEnd", "\r\n"},
                      Damaged{"noClosingQuote", FromBytes({34, 149, 152, 13, 10})},
                      Damaged{"unquoted", FromBytes({149, 152, 155, 13, 10})},
                      Damaged{"fieldOf32", "\"" + Scramble(std::string(32, 'a')) + "\"\r\n"},
                      // 51 - 52 and 53 - 54 fall below 0.
                      Damaged{"firstCodeBelowZero", FromBytes({34, 51, 34, 13, 10})},
                      Damaged{"secondCodeBelowZero", FromBytes({34, 149, 53, 34, 13, 10})}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
