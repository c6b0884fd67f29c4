#include "shell/skin_page.h"

#include <cwchar>
#include <iterator>

#include "shell/frame3d.h"
#include "shell/gdi_drawing.h"
#include "shell/page_resources.h"
#include "shell/tones.h"

namespace chelan {

namespace {

enum ControlId { kCmdMusic = 2001, kCmdClock, kCmdExit, kCommand3, kCommand4, kLblMusic, kLblClock };

constexpr wchar_t kMusicFile[] = L"集结号.wav";
constexpr wchar_t kMusicOnText[] = L"音乐打开";
constexpr wchar_t kMusicOffText[] = L"音乐关闭";
constexpr wchar_t kClockOnTip[] = L"Turn clock on";
constexpr wchar_t kClockOffTip[] = L"Turn clock off";
constexpr float kBrightTone = 1.3f;
constexpr float kDarkTone = 0.4f;

HBITMAP LoadPicture(int id) {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                         LR_DEFAULTCOLOR));
}

// The date in the user's short date format, as the roll shows it.
std::wstring ShortDate(const LocalTime& now) {
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(now.year);
  date.wMonth = static_cast<WORD>(now.month);
  date.wDay = static_cast<WORD>(now.day);
  wchar_t text[64] = {};
  if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, 64)) return {};
  return text;
}

// The window that lost the activation to the page, as the activation rule tells them apart. The
// message box and the colour dialog are both of the dialog class.
PreviousWindow PreviousWindowOf(HWND previous) {
  if (!previous) return PreviousWindow::None;
  DWORD process = 0;
  if (!GetWindowThreadProcessId(previous, &process) || process != GetCurrentProcessId()) {
    return PreviousWindow::OtherProgram;
  }
  wchar_t className[16] = {};
  GetClassNameW(previous, className, 16);
  return std::wcscmp(className, L"#32770") == 0 ? PreviousWindow::SystemDialog : PreviousWindow::ProgramWindow;
}

}  // namespace

SkinPage::SkinPage(Services& services, FrameClock& clock, const PageDesign& design, const wchar_t* className)
    : Timer1(clock, ClockTimer::Kind::Label),
      Timer2(clock, ClockTimer::Kind::Frames),
      services_(services),
      clock_(clock),
      clockPlace_(clock.Attach(*this)),
      design_(design),
      className_(className) {
  Timer1.AttachedAs(clockPlace_);
  Timer2.AttachedAs(clockPlace_);
}

SkinPage::~SkinPage() { clock_.Detach(clockPlace_); }

void SkinPage::Load() {
  if (Exists()) return;
  // The page keeps a DC of its own for its life, so that a frame's copy fetches none.
  CreateForm(className_, std::wstring(kPageCaption), kPageClientWidth, kPageClientHeight, design_.windowBack,
             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, nullptr, CS_OWNDC);
  pageDc_ = std::make_unique<forms::ClientDc>(hwnd());
  font_ = forms::MakeFont(L"宋体", 9, false);
  HMENU file = menu.AddPopup(L"澈岚");
  menu.AddItem(file, mnuFileMusic, L"&Music", [this] { mnuFileMusic_Click(); });
  menu.AddItem(file, mnuFileClock, L"&Clock", [this] { mnuFileClock_Click(); });
  // The quick way back instead of logging off, kept apart from the exit below it.
  menu.AddItem(file, mnuFileRestore, L"恢复原色(&R)", [this] { mnuFileRestore_Click(); });
  menu.AddSeparator(file);
  menu.AddItem(file, mnuFileExit, L"E&xit", [this] { mnuFileExit_Click(); });
  AttachMenu(menu);

  if (design_.showsMixer) PlaceMixer(true);
  LayOutShell();
  lines = MakeMarqueeLines(ShortDate(services_.Now()));
  const SIZE body = picBody.InnerSize();
  const SIZE logo = picLogo[0].InnerSize();
  marquee = MakeMarqueeState(body.cx, body.cy, logo.cx, logo.cy);
  PaintBodyGradient();
  logoReady = holders[0].Hold(picBody.Dc(), body);
  if (logoReady) PrepareLogoTones();
  SetMenuGlyphs();
  clock.on = true;
  PrepareMarquee();
  LoadMusic();
  LoadPage();
}

void SkinPage::PrepareMarquee() {
  const auto ready = [](const BitmapHolder& holder) { return holder.Ready() ? holder.Dc() : nullptr; };
  marquee_ = std::make_unique<PageMarquee>(
      hwnd(), pageDc_->get(), picBody.Dc(), std::array<HDC, 4>{ready(holders[0]), ready(holders[1]), picLogo[0].Dc(), picLogo[1].Dc()},
      lines, marquee);
}

void SkinPage::LoadMusic() {
  musicPath = services_.ProgramFolder() + L"\\" + kMusicFile;
  music.available = IsFileThere(musicPath);
  music.on = music.available;
  if (music.available) {
    lblMusic.SetText(kMusicOnText);
    services_.PlayWave(musicPath, true);
  } else {
    EnableMenuItem(menu.handle(), mnuFileMusic, MF_BYCOMMAND | MF_GRAYED);
    cmdMusic.SetEnabled(false);
    lblMusic.SetText(kMusicOffText);
  }
}

bool SkinPage::IsFileThere(const std::wstring& inFileSpec) { return services_.FileOpens(inFileSpec); }

struct SkinPage::SwitchLook {
  forms::Button& button;
  int menuItem;
  HBITMAP onPicture, offPicture;
  const wchar_t* onTip;  // the tool tip while the switch is on
  const wchar_t* offTip;
};

void SkinPage::ShowSwitch(const SwitchLook& look, bool on) {
  HBITMAP picture = on ? look.onPicture : look.offPicture;
  look.button.SetPicture(picture);
  toolTips.SetText(look.button.hwnd(), on ? look.onTip : look.offTip);
  SetMenuItemBitmaps(menu.handle(), look.menuItem, MF_BYCOMMAND, picture, picture);
}

void SkinPage::cmdMusic_Click() {
  if (!music.Flip()) return;
  ShowSwitch({cmdMusic, mnuFileMusic, imgMusic.get(), ImgMusic2.get(), kMusicOnText, kMusicOffText}, music.on);
  lblMusic.SetText(music.on ? kMusicOnText : kMusicOffText);
  if (music.on) {
    services_.PlayWave(musicPath, true);
  } else {
    services_.StopSound();
  }
}

void SkinPage::mnuFileMusic_Click() { cmdMusic_Click(); }

void SkinPage::cmdClock_Click() {
  clock.Flip();
  ShowSwitch({cmdClock, mnuFileClock, imgClock.get(), imgClock2.get(), kClockOffTip, kClockOnTip}, clock.on);
  lblClock.SetVisible(clock.on);
  Timer1.SetEnabled(clock.on);
}

void SkinPage::mnuFileClock_Click() { cmdClock_Click(); }

void SkinPage::Timer1_Timer() {
  const LocalTime now = services_.Now();
  wchar_t text[16];
  swprintf(text, 16, L"%02d:%02d:%02d", now.hour, now.minute, now.second);
  lblClock.SetText(text);
}

void SkinPage::Timer2_Timer() {
  if (onScreen_) {
    DrawFrame();
  } else {
    AdvanceRoll(1);
  }
}

void SkinPage::DrawFrame() {
  if (marquee_) marquee_->Frame();
}

void SkinPage::AdvanceRoll(std::uint64_t steps) {
  if (marquee_) marquee_->Advance(steps);
}

void SkinPage::NoteWindowState() {
  if (marquee_) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    marquee_->SetPageSize(client.right, client.bottom);
  }
  onScreen_ = IsWindowVisible(hwnd()) && !IsIconic(hwnd());
  clock_.SetOnScreen(clockPlace_, onScreen_);
}

void SkinPage::LayOutShell() {
  const HWND form = hwnd();
  RECT client{};
  GetClientRect(form, &client);

  picToolBar.CreatePixels(form, RECT{0, 0, client.right, forms::TwipsToPixelsY(kToolBarHeight)},
                          design_.windowBack);
  const HWND bar = picToolBar.hwnd();
  cmdMusic.Create(bar, L"音 乐", {0, 0, kToolButtonWidth, kToolButtonHeight}, kCmdMusic);
  Command3.Create(bar, std::wstring(design_.command3.caption),
                  {design_.command3.left, 0, design_.command3.width, kToolButtonHeight}, kCommand3);
  Command4.Create(bar, std::wstring(design_.command4.caption),
                  {design_.command4.left, 0, design_.command4.width, kToolButtonHeight}, kCommand4);
  cmdExit.Create(bar, L"退 出", {design_.cmdExitLeft, 0, kToolButtonWidth, kToolButtonHeight}, kCmdExit);
  cmdClock.Create(bar, L"时 间", {design_.cmdExitLeft + kClockAfterExit, 0, kToolButtonWidth, kToolButtonHeight},
                  kCmdClock);
  for (forms::Button* button : {&cmdMusic, &Command3, &Command4, &cmdExit, &cmdClock}) button->SetFont(font_.get());
  cmdExit.Click = [this] { cmdExit_Click(); };
  cmdMusic.Click = [this] { cmdMusic_Click(); };
  cmdClock.Click = [this] { cmdClock_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };

  // The body canvas lies under the tool bar, the status bar along the bottom.
  const int toolBarHeight = forms::TwipsToPixelsY(kToolBarHeight);
  picBody.CreatePixels(form, RECT{0, toolBarHeight, client.right, toolBarHeight + forms::TwipsToPixelsY(kBodyHeight)},
                       RGB(255, 255, 255), false, false);
  const int statusHeight = forms::TwipsToPixelsY(kStatusBarHeight);
  picStatusBar.CreatePixels(form, RECT{0, client.bottom - statusHeight, client.right, client.bottom},
                            design_.statusBack);
  const HWND status = picStatusBar.hwnd();
  const int panelWidth = forms::TwipsToPixelsX(design_.swatchWidth);
  picSBPanel1.CreatePixels(status, RECT{1, 0, 1 + panelWidth, forms::TwipsToPixelsY(design_.swatchHeight)},
                           design_.swatchStart);
  const int musicLeft = 1 + panelWidth + kMusicLabelGap;
  const int clockLeft = client.right - forms::TwipsToPixelsX(kStatusLabelWidth) - kClockLabelMargin;
  lblMusic.Create(status, L"", {forms::PixelsToTwipsX(musicLeft), kStatusLabelTop, kStatusLabelWidth, kStatusLabelHeight},
                  kLblMusic);
  lblClock.Create(status, L"", {forms::PixelsToTwipsX(clockLeft), kStatusLabelTop, kStatusLabelWidth, kStatusLabelHeight},
                  kLblClock);
  lblMusic.SetColors(kMusicLabelText, kLabelBack);
  lblClock.SetColors(kClockLabelText, kLabelBack);
  for (forms::Label* label : {&lblMusic, &lblClock}) label->SetFont(font_.get());

  // The logo boxes take the stored logo's size; box 1 starts empty.
  forms::Bitmap logo(LoadPicture(IDB_CHELAN_LOGO));
  BITMAP logoInfo{};
  hasLogo_ = logo && GetObjectW(logo.get(), sizeof logoInfo, &logoInfo) != 0;
  const SIZE logoSize = hasLogo_ ? SIZE{logoInfo.bmWidth, logoInfo.bmHeight} : SIZE{32, 32};
  for (forms::PictureBox& box : picLogo) {
    box.CreatePixels(form, RECT{0, 0, logoSize.cx, logoSize.cy}, RGB(255, 255, 255), false, false);
  }
  if (hasLogo_) {
    forms::MemoryDc source(picLogo[0].Dc());
    forms::ScopedSelect picture(source.get(), logo.get());
    BitBlt(picLogo[0].Dc(), 0, 0, logoSize.cx, logoSize.cy, source.get(), 0, 0, SRCCOPY);
  }

  imgMusic.Reset(LoadPicture(IDB_MUSIC_ON));
  ImgMusic2.Reset(LoadPicture(IDB_MUSIC_OFF));
  imgClock.Reset(LoadPicture(IDB_CLOCK_ON));
  imgClock2.Reset(LoadPicture(IDB_CLOCK_OFF));
  imgExit.Reset(LoadPicture(IDB_EXIT));
}

void SkinPage::PaintBodyGradient() {
  DcSurface canvas(picBody.Dc(), picBody.InnerSize());
  PaintPageGradient(canvas, design_.gradient, marquee.width, marquee.height);
}

void SkinPage::PrepareLogoTones() {
  const SIZE size = picLogo[0].InnerSize();
  DcPixelImage box0(picLogo[0].Dc(), size);
  DcPixelImage box1(picLogo[1].Dc(), size);
  ScaleTones(box0, box1, kBrightTone, forms::DoEvents);
  box1.Store();
  // Holder 1 keeps the logo as stored; box 0 then takes the dark tone of the bright one.
  logoReady = hasLogo_ && holders[1].Hold(picLogo[0].Dc(), size);
  if (logoReady) {
    ScaleTones(box1, box0, kDarkTone, forms::DoEvents);
    box0.Store();
  }
}

void SkinPage::SetMenuGlyphs() {
  SetMenuItemBitmaps(menu.handle(), mnuFileMusic, MF_BYCOMMAND, imgMusic.get(), imgMusic.get());
  SetMenuItemBitmaps(menu.handle(), mnuFileClock, MF_BYCOMMAND, imgClock.get(), imgClock.get());
  SetMenuItemBitmaps(menu.handle(), mnuFileExit, MF_BYCOMMAND, imgExit.get(), imgExit.get());
}

void SkinPage::FrameMusicLabel() {
  const RECT label = [this] {
    RECT r{};
    GetWindowRect(lblMusic.hwnd(), &r);
    MapWindowPoints(HWND_DESKTOP, picStatusBar.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }();
  {
    DcLinePainter painter(picStatusBar.Dc());
    DrawMusicLabelFrame(painter, label.left, label.top, label.right - label.left, label.bottom - label.top,
                        [this] {
                          picStatusBar.Refresh();
                          forms::DoEvents();
                        });
  }
  picStatusBar.Refresh();
}

void SkinPage::Form_Activate() {
  FrameMusicLabel();
  ColorStep();
  // Both on the program's frame clock, at its 800 ms and 10 ms: the clock label runs again whatever
  // the clock toggle says, and the marquee runs from the first activation on.
  Timer1.SetEnabled(true);
  Timer2.SetEnabled(true);
}

void SkinPage::BringToFront(std::initializer_list<forms::Control*> controls) {
  // Each goes to the top in turn, so the last one placed is first: place them from the end.
  for (auto control = std::rbegin(controls); control != std::rend(controls); ++control) {
    SetWindowPos((*control)->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void SkinPage::Form_QueryUnload() {
  // Closing any page ends the whole program at once: no question, nothing restored.
  services_.EndProgram();
}

void SkinPage::cmdExit_Click() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

void SkinPage::mnuFileExit_Click() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

void SkinPage::mnuFileRestore_Click() { RestoreColors(); }

void SkinPage::Command3_Click() {
  if (ShowPage) ShowPage(design_.command3.target);
}

void SkinPage::Command4_Click() {
  if (ShowPage) ShowPage(design_.command4.target);
}

std::optional<LRESULT> SkinPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATEAPP:
      ProgramActivated(wParam != FALSE);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        const bool run = ActivationRuns(PreviousWindowOf(reinterpret_cast<HWND>(lParam)));
        Form::OnMessage(message, wParam, lParam);
        if (run) {
          activatedBefore_ = true;
          Form_Activate();
        }
        return 0;
      }
      break;
    case WM_PAINT: {
      {
        // The last frame of the marquee, so that a repaint does not wait for the next tick.
        forms::PaintDc paint(hwnd());
        if (activatedBefore_ && marquee_) marquee_->CopyToPage(paint.get());
      }
      Form_Paint();
      return 0;
    }
    case WM_SHOWWINDOW:
      // Windows leaves owned windows on screen when their owner is hidden, not minimized.
      if (wParam == FALSE && lParam == 0) HideMixer();
      break;
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
      // Shown, hidden, minimised, restored or resized: the state a frame needs is taken here, once,
      // instead of being asked of the window at every tick. WM_SHOWWINDOW comes before the change.
      NoteWindowState();
      break;
    case WM_CLOSE:
      Form_QueryUnload();
      return 0;
    case WM_ENDSESSION:
      if (wParam) Form_QueryUnload();
      return 0;
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace chelan
