#pragma once
// The login window: asks for the access password and lets the user change it.
#include <string>

#include "forms/control.h"
#include "forms/form.h"
#include "platform/services.h"
#include "startup/Module1.h"

namespace chelan {

class frmpass : public forms::Form, public Module1::LoginWindow {
 public:
  frmpass(Services& services, const std::string& storedpass);

  // Each showing starts with fresh controls; grzbpass lives as long as the object.
  void ShowModal() override;
  std::optional<std::string> GrzbpassBytes() const override;
  void Load() override;

  // The entry's text at the last OK; empty until OK is first pressed.
  std::wstring grzbpass;

  forms::Label Label1, Label2, Label3, Label4;
  forms::TextBox Text1, Text2, Text3;
  forms::Button Command1, Comok, Comca;

  void Command1_Click();
  void Label2_Click();
  void Comok_Click();
  void Comca_Click();

  // The window is in change mode while the new-password label shows.
  bool InChangeMode() const { return Label3.Visible(); }

 private:
  bool OldPasswordMatches();
  // After a successful old-password check: the window enters change mode.
  void RevealChangeFields(bool withHint);
  void ClearNewPassword();

  Services& services_;
  const std::string& storedpass_;
  forms::Font labelFont_;
  forms::Font textFont_;
};

// Message texts of the window.
inline constexpr wchar_t kEnterOldPasswordText[] = L"请先输入原密码！";
inline constexpr wchar_t kMismatchText[] = L"两次输入的密码不相同，请重输。";
inline constexpr wchar_t kUnsuitablePasswordText[] =
    L"新密码最多31个字符，只能用英文字母、数字和符号，请重输。密码没有更改。";
inline constexpr wchar_t kNotWrittenText[] = L"密码文件无法写入，密码没有更改。";

}  // namespace chelan
