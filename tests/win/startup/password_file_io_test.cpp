// The password file on a real file system: the bounded read, and replacements that must fail
// without leaving anything behind or changing anything.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <vector>

#include "fake_services.h"
#include "platform/win32_services.h"
#include "startup/Module1.h"
#include "startup/password_file.h"

namespace chelan {
namespace {

using testing::FakeServices;
using testing::ShownMessage;

// A program folder of its own in the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"chelan-files-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++count_);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::wstring& name : Names()) {
      const std::wstring file = path_ + L"\\" + name;
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(file.c_str());
    }
    RemoveDirectoryW(path_.c_str());
  }
  const std::wstring& path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

  // The names of everything in the folder, sorted.
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  void Put(const std::wstring& name, const std::string& bytes) const {
    HANDLE file = CreateFileW(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

 private:
  static inline int count_ = 0;
  std::wstring path_;
};

// Everything of a file a failed replacement must leave as it was.
struct FileState {
  std::optional<std::string> bytes;
  DWORD attributes;
  bool operator==(const FileState&) const = default;
};

std::optional<std::string> ReadWhole(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(4096, '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

FileState StateOf(const std::wstring& path) { return {ReadWhole(path), GetFileAttributesW(path.c_str())}; }

// The fake desktop with the real file functions over a real program folder, so that the start-up
// sequence meets the file as the program would.
class RealFiles : public FakeServices {
 public:
  explicit RealFiles(const std::wstring& folder) { programFolder = folder; }
  std::wstring StoredFileName(const std::wstring& path) override { return real_.StoredFileName(path); }
  std::optional<std::string> ReadFileBytes(const std::wstring& path, std::size_t maxBytes) override {
    return real_.ReadFileBytes(path, maxBytes);
  }

 private:
  Win32Services real_;
};

// A login whose user types the same entry at every showing.
class Login : public Module1::LoginWindow {
 public:
  explicit Login(std::string entry) : entry_(std::move(entry)) {}
  void ShowModal() override { ++showings; }
  std::optional<std::string> GrzbpassBytes() const override { return entry_; }
  int showings = 0;

 private:
  std::string entry_;
};

// Holds a file open without sharing, as another program may.
class Lock {
 public:
  explicit Lock(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~Lock() {
    if (held()) CloseHandle(handle_);
  }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(PasswordFileRead, AHugeSparseFileIsReadOnlyAsFarAsTheLimit) {
  TempFolder folder;
  folder.Put(L"qz.cts", *PasswordFileBytes("abc"));
  // 3 GB of holes after the record: the 32-bit program could not even hold it.
  {
    HANDLE file = CreateFileW(folder.File(L"qz.cts").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 3LL << 30;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
  }
  Win32Services services;
  const auto started = std::chrono::steady_clock::now();
  const std::optional<std::string> bytes = services.ReadFileBytes(folder.File(L"qz.cts"), kPasswordReadLimit);
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), kPasswordReadLimit);
  EXPECT_EQ(ReadStoredPassword(*bytes), "abc");
  std::cout << "first " << bytes->size() << " bytes of a 3 GB password file read in " << took.count() << " us\n";

  RealFiles start(folder.path());
  Login login("abc");
  std::string storedpass;
  EXPECT_EQ(Module1::Main(start, login, storedpass), Module1::StartupOutcome::ShowPage1);
  EXPECT_EQ(login.showings, 1);
  EXPECT_EQ(storedpass, "abc");
}

TEST(PasswordFileRead, AShortFileIsReadWhole) {
  TempFolder folder;
  folder.Put(L"qz.cts", "\"\"\r\n");
  EXPECT_EQ(Win32Services().ReadFileBytes(folder.File(L"qz.cts"), kPasswordReadLimit), "\"\"\r\n");
  EXPECT_EQ(Win32Services().ReadFileBytes(folder.File(L"qz.cts"), 2), "\"\"");
  EXPECT_EQ(Win32Services().ReadFileBytes(folder.File(L"missing.cts"), kPasswordReadLimit), std::nullopt);
}

TEST(PasswordFileRead, AFileHeldByAnotherProgramIsReportedAsUnreadableNotDamaged) {
  TempFolder folder;
  folder.Put(L"qz.cts", *PasswordFileBytes(""));
  Lock lock(folder.File(L"qz.cts"));
  ASSERT_TRUE(lock.held());
  RealFiles start(folder.path());
  Login login("");
  std::string storedpass;
  EXPECT_EQ(Module1::Main(start, login, storedpass), Module1::StartupOutcome::EndProgram);
  EXPECT_EQ(login.showings, 0);
  EXPECT_EQ(start.messages, (std::vector<ShownMessage>{
                                {Module1::kUnreadableFileText, Module1::kPromptTitle, MessageIcon::Exclamation}}));
}

// How a replacement is made to fail, with the folder as it was before.
struct FailedReplacement {
  const char* name;
  void (*prepare)(const TempFolder& folder);
  FileWriteStep write;
};

bool WriteNothing(void*, std::string_view) { return false; }

bool WriteHalf(void* file, std::string_view bytes) {
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &written, nullptr);
  return false;
}

bool WriteAll(void* file, std::string_view bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

class PasswordFileReplace : public ::testing::TestWithParam<FailedReplacement> {};

TEST_P(PasswordFileReplace, AFailureLeavesTheFolderAndTheFileAsTheyWere) {
  TempFolder folder;
  folder.Put(L"qz.cts", *PasswordFileBytes("abc"));
  folder.Put(L"集结号.wav", "RIFF");
  GetParam().prepare(folder);
  const std::vector<std::wstring> before = folder.Names();
  const FileState file = StateOf(folder.File(L"qz.cts"));

  EXPECT_FALSE(ReplaceFileContentsWith(folder.File(L"qz.cts"), *PasswordFileBytes("new"), GetParam().write));

  EXPECT_EQ(folder.Names(), before);
  EXPECT_EQ(StateOf(folder.File(L"qz.cts")), file);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PasswordFileReplace,
    ::testing::Values(FailedReplacement{"writeFails", [](const TempFolder&) {}, WriteNothing},
                      FailedReplacement{"writeStopsHalfWay", [](const TempFolder&) {}, WriteHalf},
                      // The user's way of locking the password; Wine alone would replace it.
                      FailedReplacement{"readOnly",
                                        [](const TempFolder& f) {
                                          SetFileAttributesW(f.File(L"qz.cts").c_str(), FILE_ATTRIBUTE_READONLY);
                                        },
                                        WriteAll}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasswordFileReplaceHeld, AFileHeldByAnotherProgramIsNotReplacedAndNothingIsLeftBeside) {
  TempFolder folder;
  folder.Put(L"qz.cts", *PasswordFileBytes("abc"));
  const std::vector<std::wstring> before = folder.Names();
  {
    Lock lock(folder.File(L"qz.cts"));
    ASSERT_TRUE(lock.held());
    EXPECT_FALSE(Win32Services().ReplaceFileContents(folder.File(L"qz.cts"), *PasswordFileBytes("new")));
    EXPECT_EQ(folder.Names(), before);
  }
  EXPECT_EQ(ReadWhole(folder.File(L"qz.cts")), PasswordFileBytes("abc"));
}

TEST(PasswordFileReplaceDone, TheNewFileTakesTheOldOnesPlaceAndNothingIsLeftBeside) {
  TempFolder folder;
  folder.Put(L"qz.cts", *PasswordFileBytes("abc"));
  EXPECT_TRUE(Win32Services().ReplaceFileContents(folder.File(L"qz.cts"), *PasswordFileBytes("new")));
  EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"qz.cts"});
  EXPECT_EQ(ReadWhole(folder.File(L"qz.cts")), PasswordFileBytes("new"));
}

}  // namespace
}  // namespace chelan
