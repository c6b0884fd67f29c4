#include <gtest/gtest.h>

#include <deque>

#include "fake_services.h"
#include "startup/Module1.h"
#include "startup/password_file.h"

namespace chelan {
namespace {

using Module1::StartupOutcome;
using testing::FakeServices;
using testing::ShownMessage;

// A login window whose user presses OK with the scripted entries in turn; an empty optional stands
// for closing the window without OK, which keeps the last value.
class ScriptedLogin : public Module1::LoginWindow {
 public:
  explicit ScriptedLogin(std::deque<std::optional<std::string>> entries) : entries_(std::move(entries)) {}
  void ShowModal() override {
    ++showings;
    if (entries_.empty()) return;
    if (entries_.front()) grzbpass_ = *entries_.front();
    entries_.pop_front();
  }
  std::optional<std::string> GrzbpassBytes() const override { return grzbpass_; }
  int showings = 0;

 private:
  std::deque<std::optional<std::string>> entries_;
  std::string grzbpass_;
};

const ShownMessage kWrong{Module1::kWrongPasswordText, Module1::kPromptTitle, MessageIcon::Exclamation};
const ShownMessage kDenied{Module1::kDeniedText, Module1::kDeniedTitle, MessageIcon::Exclamation};
const ShownMessage kMissing{Module1::kMissingFileText, Module1::kPromptTitle, MessageIcon::Question};
const ShownMessage kDamaged{Module1::kDamagedFileText, Module1::kPromptTitle, MessageIcon::Exclamation};
const ShownMessage kUnreadable{Module1::kUnreadableFileText, Module1::kPromptTitle, MessageIcon::Exclamation};

struct GateCase {
  const char* name;
  std::string storedPassword;
  std::deque<std::optional<std::string>> entries;
  StartupOutcome outcome;
  int showings;
  std::vector<ShownMessage> messages;
};

class StartupGate : public ::testing::TestWithParam<GateCase> {};

TEST_P(StartupGate, JudgesEachAttempt) {
  const GateCase& c = GetParam();
  FakeServices services;
  services.PutFile(L"C:\\Chelan\\qz.cts", *PasswordFileBytes(c.storedPassword));
  ScriptedLogin login(c.entries);
  std::string storedpass;
  EXPECT_EQ(Module1::Main(services, login, storedpass), c.outcome);
  EXPECT_EQ(login.showings, c.showings);
  EXPECT_EQ(services.messages, c.messages);
  EXPECT_EQ(storedpass, c.storedPassword.substr(0, kPasswordLength));
}

INSTANTIATE_TEST_SUITE_P(
    Attempts, StartupGate,
    ::testing::Values(
        GateCase{"emptyPasswordEmptyEntry", "", {""}, StartupOutcome::ShowPage1, 1, {}},
        GateCase{"rightAtFirst", "abc", {"abc"}, StartupOutcome::ShowPage1, 1, {}},
        GateCase{"capitalsAreWrong", "abc", {"ABC", "abc"}, StartupOutcome::ShowPage1, 2, {kWrong}},
        GateCase{"twoWrongThenRight", "abc", {"x", "", "abc"}, StartupOutcome::ShowPage1, 3, {kWrong, kWrong}},
        GateCase{"threeWrongEnd", "abc", {"x", "y", "z", "abc"}, StartupOutcome::EndProgram, 3,
                 {kWrong, kWrong, kWrong, kDenied}},
        GateCase{"onlyFirstEightCompared", "0123456789", {"0123456789", "01234567"},
                 StartupOutcome::ShowPage1, 2, {kWrong}},
        // Closing without OK keeps the last OK's text: empty before any OK.
        GateCase{"closedWithoutOkEmptyPassword", "", {std::nullopt}, StartupOutcome::ShowPage1, 1, {}},
        GateCase{"closedWithoutOkCountsAsWrong", "abc", {std::nullopt, "abc"}, StartupOutcome::ShowPage1, 2,
                 {kWrong}},
        GateCase{"closedAfterWrongOkRepeatsIt", "abc", {"x", std::nullopt, std::nullopt},
                 StartupOutcome::EndProgram, 3, {kWrong, kWrong, kWrong, kDenied}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupGate, EntryWithoutSingleByteFormNeverMatches) {
  class Unconvertible : public Module1::LoginWindow {
   public:
    void ShowModal() override {}
    std::optional<std::string> GrzbpassBytes() const override { return std::nullopt; }
  } login;
  FakeServices services;
  services.PutFile(L"C:\\Chelan\\qz.cts", *PasswordFileBytes(""));
  std::string storedpass;
  EXPECT_EQ(Module1::Main(services, login, storedpass), StartupOutcome::EndProgram);
}

struct FileCase {
  const char* name;
  std::wstring storedPath;  // empty: no file
  std::string bytes;
  ShownMessage message;
  bool locked = false;  // held open by another program
};

class StartupFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(StartupFile, EndsWithItsMessageBeforeAnyLogin) {
  const FileCase& c = GetParam();
  FakeServices services;
  if (!c.storedPath.empty()) services.PutFile(c.storedPath, c.bytes);
  if (c.locked) services.LockFile(c.storedPath);
  ScriptedLogin login({""});
  std::string storedpass;
  EXPECT_EQ(Module1::Main(services, login, storedpass), StartupOutcome::EndProgram);
  EXPECT_EQ(login.showings, 0);
  EXPECT_EQ(services.messages, std::vector<ShownMessage>{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupFile,
    ::testing::Values(FileCase{"missing", L"", "", kMissing},
                      FileCase{"storedInCapitals", L"C:\\Chelan\\QZ.CTS", "\"\"\r\n", kMissing},
                      FileCase{"storedMixedCase", L"C:\\Chelan\\Qz.cts", "\"\"\r\n", kMissing},
                      FileCase{"empty", L"C:\\Chelan\\qz.cts", "", kDamaged},
                      FileCase{"noClosingQuote", L"C:\\Chelan\\qz.cts", "\"\x95\r\n", kDamaged},
                      FileCase{"tooLong", L"C:\\Chelan\\qz.cts", "\"" + Scramble(std::string(40, 'a')) + "\"",
                               kDamaged},
                      // Whatever the reason it cannot be opened, the file is there: it is not damaged.
                      FileCase{"heldByAnotherProgram", L"C:\\Chelan\\qz.cts", "\"\"\r\n", kUnreadable, true},
                      FileCase{"heldAndDamaged", L"C:\\Chelan\\qz.cts", "", kUnreadable, true},
                      // Only the opening quote is read: no whole record within reach.
                      FileCase{"recordStartsOnTheLastByteRead", L"C:\\Chelan\\qz.cts",
                               std::string(kPasswordReadLimit - 1, ' ') + "\"\"\r\n", kDamaged},
                      // Its closing quote is the first byte not read.
                      FileCase{"longestRecordCutByTheReadLimit", L"C:\\Chelan\\qz.cts",
                               std::string(kPasswordReadLimit - 1 - kMaxStoredLength, ' ') +
                                   *PasswordFileBytes(std::string(kMaxStoredLength, 'a')),
                               kDamaged}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptedFile {
  const char* name;
  std::string bytes;
  std::string storedpass;
};

class StartupReadsABoundedPrefix : public ::testing::TestWithParam<AcceptedFile> {};

// However long the file, only its first kPasswordReadLimit bytes are asked for; every file whose
// record lies within them reads as before.
TEST_P(StartupReadsABoundedPrefix, AndTakesTheRecordWithinIt) {
  FakeServices services;
  services.PutFile(L"C:\\Chelan\\qz.cts", GetParam().bytes);
  ScriptedLogin login({GetParam().storedpass});
  std::string storedpass;
  EXPECT_EQ(Module1::Main(services, login, storedpass), StartupOutcome::ShowPage1);
  EXPECT_EQ(storedpass, GetParam().storedpass);
  EXPECT_EQ(services.calls,
            std::vector<std::wstring>{L"ReadFile C:\\Chelan/qz.cts " + std::to_wstring(kPasswordReadLimit)});
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupReadsABoundedPrefix,
    ::testing::Values(
        AcceptedFile{"recordThenSixteenMegabytes", *PasswordFileBytes("abc") + std::string(16 << 20, 'x'), "abc"},
        AcceptedFile{"emptyPasswordThenBlankLines", "\"\"\r\n" + std::string(1 << 20, '\n'), ""},
        // The longest record ends on the last byte read.
        AcceptedFile{"longestRecordEndingAtTheLimit",
                     std::string(kPasswordReadLimit - 2 - kMaxStoredLength, ' ') + "\"" +
                         Scramble(std::string(kMaxStoredLength, 'z')) + "\"" + std::string(1 << 20, '\0'),
                     std::string(kPasswordLength, 'z')},
        AcceptedFile{"blanksAndTabsBefore", " \t \t" + *PasswordFileBytes("Pa55w0rd!"), "Pa55w0rd"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
