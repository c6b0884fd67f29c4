// The release zip as a user gets it, unpacked into the current folder (a path with Chinese
// characters and blanks, as many users' folders have): its files, the program's build and version
// information, and the program starting from there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "e2e_harness.h"

namespace chelan::e2e {
namespace {

std::set<std::wstring> FilesIn(const std::wstring& folder) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::string Bytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::wstring VersionString(const std::vector<char>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const wchar_t*>(value);
}

class ReleasePackage : public ::testing::Test {
 protected:
  const std::wstring folder = CurrentFolder();
  std::wstring PathOf(const wchar_t* name) const { return folder + L"\\" + name; }
};

TEST_F(ReleasePackage, IsUnpackedWherePathsHoldChineseAndBlanks) {
  EXPECT_NE(folder.find(L' '), std::wstring::npos) << "no blank in the folder's path";
  EXPECT_TRUE(std::any_of(folder.begin(), folder.end(), [](wchar_t c) { return c >= 0x4e00 && c <= 0x9fff; }))
      << "no Chinese character in the folder's path";
}

TEST_F(ReleasePackage, HoldsTheProgramItsDataAndTheGuide) {
  EXPECT_EQ(FilesIn(folder), (std::set<std::wstring>{L"ChelanSkin.exe", L"qz.cts", L"使用说明.txt", L"集结号.wav",
                                                      L"澈岚1.wav", L"澈岚2.wav", L"澈岚3.wav"}));
  EXPECT_EQ(Bytes(PathOf(L"qz.cts")), std::string("\"\"\r\n"));
  for (const wchar_t* wave : {L"集结号.wav", L"澈岚1.wav", L"澈岚2.wav", L"澈岚3.wav"}) {
    EXPECT_EQ(Bytes(PathOf(wave)).substr(0, 4), "RIFF") << testing::PrintToString(std::wstring(wave));
  }
}

TEST_F(ReleasePackage, GuideIsUtf8WithAByteOrderMarkAndCrlfLineEnds) {
  const std::string guide = Bytes(PathOf(L"使用说明.txt"));
  ASSERT_GT(guide.size(), 3u);
  EXPECT_EQ(guide.substr(0, 3), "\xef\xbb\xbf");
  int lines = 0;
  for (std::size_t at = guide.find('\n'); at != std::string::npos; at = guide.find('\n', at + 1), ++lines) {
    ASSERT_TRUE(at > 0 && guide[at - 1] == '\r') << "a line end without CR at byte " << at;
  }
  EXPECT_GT(lines, 10);
  // Every byte sequence is UTF-8: Windows converts nothing it cannot read.
  const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, guide.data(), static_cast<int>(guide.size()),
                                       nullptr, 0);
  EXPECT_GT(wide, 0);
  // What the guide must tell: the empty password, the way back to the user's own colours, the
  // registry key of the best times.
  std::wstring text(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, guide.data(), static_cast<int>(guide.size()), text.data(), wide);
  for (const wchar_t* topic : {L"初始密码为空", L"更改密码", L"注销或重新启动", L"恢复原色", L"澈岚拼图训练营",
                               L"礼貌锁"}) {
    EXPECT_NE(text.find(topic), std::wstring::npos) << testing::PrintToString(std::wstring(topic));
  }
}

// The processor the packaged program is built for: this test program's own unless told otherwise
// (--package-of=win32 or --package-of=win64), so that a 64-bit machine checks the 32-bit zip too.
#ifdef _WIN64
WORD packageMachine = IMAGE_FILE_MACHINE_AMD64;
#else
WORD packageMachine = IMAGE_FILE_MACHINE_I386;
#endif

TEST_F(ReleasePackage, ProgramIsTheStrippedBuildOfThisArchitecture) {
  const std::string image = Bytes(PathOf(L"ChelanSkin.exe"));
  ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, image.data(), sizeof dos);
  ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
  IMAGE_FILE_HEADER header;
  std::memcpy(&header, image.data() + dos.e_lfanew + sizeof(DWORD), sizeof header);
  EXPECT_EQ(header.Machine, packageMachine);
  // What stays is at most the table of long section names (".eh_frame" of the 32-bit build).
  EXPECT_EQ(header.NumberOfSymbols, 0u) << "the symbol table was not stripped";
}

TEST_F(ReleasePackage, ProgramCarriesItsVersionInformation) {
  const std::wstring exe = PathOf(L"ChelanSkin.exe");
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 6));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 6));
  EXPECT_EQ(VersionString(info, L"ProductName"), L"澈岚皮肤");
  EXPECT_EQ(VersionString(info, L"ProductVersion"), L"6.1");
  EXPECT_EQ(VersionString(info, L"FileDescription"), L"澈岚皮肤6.1");
  EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"ChelanSkin.exe");
  const std::wstring copyright = VersionString(info, L"LegalCopyright");
  EXPECT_NE(copyright.find(L"版权所有"), std::wstring::npos) << testing::PrintToString(copyright);
}

TEST_F(ReleasePackage, ProgramStartsThereAndOpensWithTheEmptyPassword) {
  Program program(folder);
  HWND login = program.WaitForWindow(L"ChelanFrmpass", L"用户登录");
  ASSERT_NE(login, nullptr) << "no login window";
  Press(ChildWithText(login, L"Button", L"确定"));
  HWND page1 = WaitForPage(program, 1);
  ASSERT_NE(page1, nullptr);
  // The music control is enabled only when the program found its wave file beside it.
  HWND music = DescendantWithText(page1, L"Button", L"音 乐");
  ASSERT_NE(music, nullptr);
  EXPECT_TRUE(IsWindowEnabled(music));
  PostMessageW(page1, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit());
}

}  // namespace
}  // namespace chelan::e2e

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--package-of=win32") chelan::e2e::packageMachine = IMAGE_FILE_MACHINE_I386;
    if (arg == "--package-of=win64") chelan::e2e::packageMachine = IMAGE_FILE_MACHINE_AMD64;
  }
  return RUN_ALL_TESTS();
}
