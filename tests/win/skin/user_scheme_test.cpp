// The user's own colour scheme as the real services read it from the registry: the whole text or
// nothing, never a part of it. A value of the test's own under HKCU\Control Panel\Colors, gone again
// after each case; nothing here writes a system colour.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32_services.h"
#include "skin/color_restore.h"

namespace chelan {
namespace {

constexpr wchar_t kSchemeKey[] = L"Control Panel\\Colors";
constexpr wchar_t kName[] = L"ChelanSchemeTest";

struct StoredValue {
  const char* name;
  DWORD type;           // REG_NONE: no value at all
  std::wstring text;    // stored with its nul, as Windows stores a text
  std::optional<std::wstring> expected;
};

class UserSchemeValue : public ::testing::TestWithParam<StoredValue> {
 protected:
  void SetUp() override {
    const StoredValue& v = GetParam();
    if (v.type == REG_DWORD) {
      const DWORD number = 0x00C8D0D4;
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSchemeKey, kName, REG_DWORD, &number, sizeof number),
                ERROR_SUCCESS);
    } else if (v.type != REG_NONE) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSchemeKey, kName, v.type, v.text.c_str(),
                                static_cast<DWORD>((v.text.size() + 1) * sizeof(wchar_t))),
                ERROR_SUCCESS);
    }
  }
  void TearDown() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kSchemeKey, kName); }
};

TEST_P(UserSchemeValue, IsReadWholeOrNotAtAll) {
  Win32Services services;
  EXPECT_EQ(services.UserSchemeColor(kName, kLongestSchemeText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UserSchemeValue,
    ::testing::Values(
        StoredValue{"asWindowsWritesIt", REG_SZ, L"212 208 200", L"212 208 200"},
        StoredValue{"blanksKept", REG_SZ, L"  1  2  3 ", L"  1  2  3 "},
        StoredValue{"empty", REG_SZ, L"", L""},
        StoredValue{"longestTaken", REG_SZ, std::wstring(64 - 5, L' ') + L"1 2 3",
                    std::wstring(64 - 5, L' ') + L"1 2 3"},
        // One character more is not cut to the longest length: the colour at its start is not taken.
        StoredValue{"oneTooLong", REG_SZ, L"1 2 3" + std::wstring(60, L' '), std::nullopt},
        StoredValue{"aMegabyte", REG_SZ, L"1 2 3" + std::wstring(1 << 19, L'0'), std::nullopt},
        // A nul inside stays, so that the text is not taken for the colour before it.
        StoredValue{"nulInside", REG_SZ, std::wstring(L"1 2 3\0 77", 9), std::wstring(L"1 2 3\0 77", 9)},
        StoredValue{"number", REG_DWORD, L"", std::nullopt},
        StoredValue{"missing", REG_NONE, L"", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
