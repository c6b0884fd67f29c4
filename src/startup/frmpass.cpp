#include "startup/frmpass.h"

#include "platform/ansi_text.h"
#include "startup/password_file.h"

namespace chelan {

namespace {

constexpr COLORREF kBackground = RGB(114, 100, 193);
constexpr COLORREF kEntryText = RGB(0, 255, 0);
constexpr COLORREF kEntryBack = RGB(0, 0, 0);
constexpr COLORREF kButtonBack = RGB(188, 244, 104);
constexpr COLORREF kPromptText = RGB(222, 18, 105);
constexpr COLORREF kNewPasswordText = RGB(255, 128, 0);
constexpr COLORREF kHintText = RGB(0, 192, 0);

enum ControlId { kText1 = 101, kText2, kText3, kCommand1, kComca, kLabel1, kLabel2, kLabel3, kLabel4 };

}  // namespace

frmpass::frmpass(Services& services, const std::string& storedpass)
    : services_(services), storedpass_(storedpass) {}

void frmpass::ShowModal() { Form::ShowModal(); }

std::optional<std::string> frmpass::GrzbpassBytes() const { return SingleByteAnsi(grzbpass); }

void frmpass::Load() {
  if (Exists()) return;
  CreateForm(L"ChelanFrmpass", L"用户登录", 4905, 1965, kBackground, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
  labelFont_ = forms::MakeFont(L"宋体", 9, true);
  textFont_ = forms::MakeFont(L"宋体", 9, false);
  const HWND form = hwnd();

  // Created in tab order: the entry (first, so it has the focus when the window opens), OK, cancel,
  // the two new-password fields, the change button. OK carries IDOK, so Enter presses it.
  Text1.Create(form, L"", {1680, 210, 1590, 300}, kText1);
  Comok.CreateColored(form, L"确定", {1920, 1470, 1065, 315}, IDOK, kButtonBack);
  Comca.CreateColored(form, L"取消", {3240, 1470, 1080, 315}, kComca, kButtonBack);
  Text2.Create(form, L"", {1680, 630, 1575, 285}, kText2, false);
  Text3.Create(form, L"", {1680, 1050, 1575, 285}, kText3, false);
  Command1.CreateColored(form, L"更改密码", {600, 1470, 1065, 315}, kCommand1, kButtonBack);
  Label1.Create(form, L"请输入密码：", {510, 240, 1170, 240}, kLabel1);
  Label3.Create(form, L"新设密码：", {720, 660, 975, 240}, kLabel3, false);
  Label4.Create(form, L"确认密码：", {720, 1080, 975, 225}, kLabel4, false);
  Label2.Create(form, L"请记好密码初始密码为空有效密码8位!", {3510, 600, 1185, 645}, kLabel2, false);

  for (forms::TextBox* box : {&Text1, &Text2, &Text3}) {
    box->SetFont(textFont_.get());
    box->SetColors(kEntryText, kEntryBack);
    box->SetPasswordChar(L'*');
  }
  Text1.SetMaxLength(static_cast<int>(kPasswordLength));
  for (forms::Button* button : {&Comok, &Comca, &Command1}) button->SetFont(textFont_.get());
  for (forms::Label* label : {&Label1, &Label2, &Label3, &Label4}) label->SetFont(labelFont_.get());
  Label1.SetColors(kPromptText, kBackground);
  Label3.SetColors(kNewPasswordText, kBackground);
  Label4.SetColors(kNewPasswordText, kBackground);
  Label2.SetColors(kHintText, kBackground);

  Command1.Click = [this] { Command1_Click(); };
  Label2.Click = [this] { Label2_Click(); };
  Comok.Click = [this] { Comok_Click(); };
  Comca.Click = [this] { Comca_Click(); };
}

bool frmpass::OldPasswordMatches() {
  if (SingleByteAnsi(Text1.Text()) == storedpass_) return true;
  services_.ShowMessage(hwnd(), kEnterOldPasswordText, Module1::kPromptTitle, MessageIcon::Exclamation);
  Text1.Select(0, static_cast<int>(kPasswordLength));
  Text1.SetFocus();
  return false;
}

void frmpass::Command1_Click() { RevealChangeFields(true); }

void frmpass::Label2_Click() { RevealChangeFields(false); }

void frmpass::RevealChangeFields(bool withHint) {
  if (!OldPasswordMatches()) return;
  for (forms::Control* control : std::initializer_list<forms::Control*>{&Label3, &Label4, &Text2, &Text3}) {
    control->SetVisible(true);
  }
  if (withHint) Label2.SetVisible(true);
  Text2.SetFocus();
}

void frmpass::ClearNewPassword() {
  Text3.SetText(L"");
  Text2.SetText(L"");
  Text2.SetFocus();
}

void frmpass::Comok_Click() {
  grzbpass = Text1.Text();
  if (InChangeMode()) {
    // The entry may have been edited since the fields were revealed. Only the current password
    // may change it; otherwise the window stays open as after a wrong old password, so that
    // neither a change nor a login attempt happens behind the user's back.
    if (!OldPasswordMatches()) return;
    if (Text3.Text() != Text2.Text()) {
      services_.ShowMessage(hwnd(), kMismatchText, Module1::kPromptTitle, MessageIcon::Exclamation);
      ClearNewPassword();
      return;
    }
    // A password the file cannot hold is refused before anything is written.
    const std::optional<std::string> bytes = SingleByteAnsi(Text2.Text());
    const std::optional<std::string> file = bytes ? PasswordFileBytes(*bytes) : std::nullopt;
    if (!file) {
      services_.ShowMessage(hwnd(), kUnsuitablePasswordText, Module1::kPromptTitle, MessageIcon::Exclamation);
      ClearNewPassword();
      return;
    }
    if (!services_.ReplaceFileContents(PasswordWritePath(services_.ProgramFolder()), *file)) {
      services_.ShowMessage(hwnd(), kNotWrittenText, Module1::kPromptTitle, MessageIcon::Exclamation);
    }
  }
  Close();
}

void frmpass::Comca_Click() {
  Close();
  services_.EndProgram();
}

}  // namespace chelan
