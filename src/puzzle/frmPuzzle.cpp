#include "puzzle/frmPuzzle.h"

#include <cwchar>
#include <string>
#include <utility>

#include "puzzle/best_times.h"
#include "puzzle/sound_effects.h"
#include "puzzle/uniform_random.h"

namespace chelan {

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 192);
constexpr COLORREF kMottoText = RGB(222, 18, 105);
constexpr COLORREF kLevelText = RGB(128, 0, 128);
constexpr COLORREF kLevelBack = RGB(192, 255, 192);

constexpr wchar_t kDesignCaption[] = L"拼图练习";
constexpr wchar_t kMotto[] = L"过了99*81关就是智多星";
constexpr wchar_t kNotice[] = L"更多澈岚软件请到澈岚软件下载站免费下载";

constexpr UINT kFocusShuffleMessage = WM_APP + 1;

enum ControlId { kLabel2 = 101, kLblSize, kCmbSize, kCmdShuffle, kCommand1, kLabel1, kFirstTile = 200 };

}  // namespace

frmPuzzle::frmPuzzle(Services& services, std::function<void()> showSkinPage1)
    : services_(services), showSkinPage1_(std::move(showSkinPage1)) {}

// The window goes before the controls and the timer whose objects it reaches.
void frmPuzzle::Open() {
  const bool fresh = !Exists();
  if (!fresh && Minimized()) ShowWindow(hwnd(), SW_RESTORE);
  Show();
  // The first showing of a new window counts as its first resize.
  if (fresh && Exists()) Form_Resize();
}

void frmPuzzle::Load() {
  if (Exists()) return;
  CreateForm(L"ChelanFrmPuzzle", kDesignCaption, 4530, 5040, kBackground,
             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  // Once per opening, before anything can shuffle.
  game_.emplace(MakeUniformRandom(ClockSeed(services_.Now())));
  placedBoardSize_ = 0;
  shownNumbers_.fill(-1);
  focusShuffleOnActivate_ = false;

  menu_ = std::make_unique<forms::MenuBar>();
  HMENU mnuGame = menu_->AddPopup(L"训练指挥部");
  menu_->AddItem(mnuGame, mnuHighScore, L"拼图成绩记录", [this] { mnuHighScore_Click(); });
  menu_->AddItem(mnuGame, mnuSound, L"声音开关", [this] { mnuSound_Click(); });
  menu_->AddItem(mnuGame, mnuExit, L"结束训练 注意休息!", [this] { mnuExit_Click(); });
  AttachMenu(*menu_);
  menu_->SetChecked(mnuSound, true);

  CreateControls();
  for (int level = kMinBoardSize; level <= kMaxBoardSize; ++level) cmbSize.AddItem(std::to_wstring(level));
  // The list shows the opening level; the game already stands solved at it.
  cmbSize.SetListIndex(kOpeningBoardSize - kMinBoardSize);
  Timer1.SetEnabled(false);
  Timer1.SetInterval(1000);
  ShowGame();
  loaded_ = true;
}

void frmPuzzle::CreateControls() {
  const HWND form = hwnd();
  labelBack_ = forms::SolidBrush(kBackground);
  tileFont_ = forms::MakeFont(L"宋体", 10.5, true, GB2312_CHARSET);
  sizeLabelFont_ = forms::MakeFont(L"宋体", 9, true, GB2312_CHARSET);
  plainFont_ = forms::MakeFont(L"宋体", 9, false, GB2312_CHARSET);

  // Created in tab order: the tiles first, then the level list and the two buttons.
  Label2.Create(form, kMotto, {900, 30, 2565, 255}, kLabel2);
  const int tile = game_->TileSize();
  for (int p = 0; p < kTileButtons; ++p) {
    cmdButton[p].CreatePixels(form, std::to_wstring(p + 1), RECT{0, 0, tile, tile}, kFirstTile + p, false);
    cmdButton[p].SetFont(tileFont_.get());
    cmdButton[p].MouseDown = [this, p] { cmdButton_MouseDown(p); };
  }
  lblSize.Create(form, L"训练级别", {30, 4470, 855, 255}, kLblSize);
  cmbSize.Create(form, {900, 4440, 975, 300}, kCmbSize);
  cmdShuffle.Create(form, L"开始拼图", {1890, 4440, 1095, 345}, kCmdShuffle);
  Command1.Create(form, L"选择皮肤", {3000, 4440, 1095, 345}, kCommand1);
  Label1.Create(form, kNotice, {0, 4800, 4545, 285}, kLabel1);

  Label2.SetFont(tileFont_.get());
  Label2.SetColors(kMottoText, kBackground);
  lblSize.SetFont(sizeLabelFont_.get());
  Label1.SetFont(plainFont_.get());
  cmbSize.SetFont(plainFont_.get());
  cmbSize.SetColors(kLevelText, kLevelBack);
  cmdShuffle.SetFont(plainFont_.get());
  Command1.SetFont(plainFont_.get());

  cmbSize.Click = [this] { cmbSize_Click(); };
  cmdShuffle.Click = [this] { cmdShuffle_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void frmPuzzle::ShowGame() {
  ShowTiles();
  if (Caption() != game_->WindowCaption()) SetCaption(game_->WindowCaption());
  cmdShuffle.SetText(game_->ActionCaption());
  SyncStopwatch();
}

void frmPuzzle::ShowTiles() {
  const int positions = game_->BoardSize() * game_->BoardSize();
  if (placedBoardSize_ != game_->BoardSize()) {
    for (int p = 0; p < positions; ++p) {
      const TilePlacement place = game_->Placement(p);
      SetWindowPos(cmdButton[p].hwnd(), nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    placedBoardSize_ = game_->BoardSize();
  }
  ShowTileCaptions();
  for (int p = 0; p < kTileButtons; ++p) {
    // The style, not IsWindowVisible: the window itself is still hidden while it loads.
    const bool shown = (GetWindowLongW(cmdButton[p].hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != game_->TileVisible(p)) cmdButton[p].SetVisible(game_->TileVisible(p));
  }
}

void frmPuzzle::ShowTileCaptions() {
  for (int p = 0; p < kTileButtons; ++p) {
    const int number = game_->Tiles().TileNumber(p);
    if (shownNumbers_[p] == number) continue;
    cmdButton[p].SetText(game_->Caption(p));
    shownNumbers_[p] = number;
  }
}

void frmPuzzle::SyncStopwatch() {
  // Enabling a running timer again would restart its second, so it changes only with the game.
  if (Timer1.Enabled() != game_->StopwatchRunning()) Timer1.SetEnabled(game_->StopwatchRunning());
}

void frmPuzzle::SetBoardDrawing(bool on) {
  const int positions = game_->BoardSize() * game_->BoardSize();
  for (int p = 0; p < positions; ++p) SendMessageW(cmdButton[p].hwnd(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

void frmPuzzle::Apply(const PuzzleEffects& effects) {
  ShowTiles();
  if (Caption() != game_->WindowCaption()) SetCaption(game_->WindowCaption());
  for (SoundEvent sound : effects.sounds) RaiseSoundEvent(services_, sound, SoundSwitch());
  SyncStopwatch();
  if (effects.bestTimeSeconds) {
    CheckBestTime(*effects.bestTimeSeconds);
    // The name prompt runs a message loop of its own; the window may have gone meanwhile.
    if (!game_) return;
  }
  cmdShuffle.SetText(game_->ActionCaption());
  switch (effects.focus.target) {
    case FocusRequest::Target::Tile:
      cmdButton[effects.focus.tile].SetFocus();
      break;
    case FocusRequest::Target::Shuffle:
      cmdShuffle.SetFocus();
      break;
    case FocusRequest::Target::Unchanged:
      break;
  }
}

void frmPuzzle::cmdButton_MouseDown(int index) {
  if (!game_ || index < 0 || index >= kTileButtons) return;
  Apply(game_->cmdButton_MouseDown(index));
}

void frmPuzzle::cmdShuffle_Click() {
  if (!game_) return;
  if (!game_->Solved()) {
    Apply(game_->cmdShuffle_Click());
    return;
  }
  // No state of the walk may be drawn: the board's tiles are hidden until the new captions are
  // in place, then all shown and the blank hidden again. Switching their drawing off hides them
  // (it takes their WS_VISIBLE away) at a fraction of the cost of hiding and showing 80 windows,
  // which alone would use up most of a level-9 shuffle's time under Wine.
  SetBoardDrawing(false);
  const PuzzleEffects effects = game_->cmdShuffle_Click();
  ShowTileCaptions();
  SetBoardDrawing(true);
  const int boardEdge = (game_->BoardSize() + 1) * game_->TileSize();
  const RECT board{0, 0, boardEdge, boardEdge};
  RedrawWindow(hwnd(), &board, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  Apply(effects);
}

void frmPuzzle::cmbSize_Click() {
  if (!game_) return;
  const std::wstring text = cmbSize.ItemText(cmbSize.ListIndex());
  // The level in play again changes nothing; the game decides that.
  game_->cmbSize_Click(static_cast<int>(std::wcstol(text.c_str(), nullptr, 10)));
  ShowGame();
}

void frmPuzzle::Command1_Click() {
  if (showSkinPage1_) showSkinPage1_();
}

void frmPuzzle::Timer1_Timer() {
  if (!game_) return;
  game_->Timer1_Timer();
  if (Caption() != game_->WindowCaption()) SetCaption(game_->WindowCaption());
}

void frmPuzzle::Form_Resize() {
  if (!game_) return;
  FocusShuffle();
  FocusShuffleAfterActivation();
  game_->Form_Resize(Minimized());
  SyncStopwatch();
}

void frmPuzzle::FocusShuffle() {
  // Giving the focus to a window that is not active would activate it; such a window gets the
  // focus on its next activation instead.
  if (GetActiveWindow() == hwnd()) {
    cmdShuffle.SetFocus();
  } else if (!Minimized()) {
    focusShuffleOnActivate_ = true;
  }
}

void frmPuzzle::FocusShuffleAfterActivation() {
  // A restore may be followed by the activation that puts back the focus the window had; asking
  // again once that has run keeps the focus on the action button.
  if (!Minimized()) PostMessageW(hwnd(), kFocusShuffleMessage, 0, 0);
}

void frmPuzzle::CheckBestTime(int elapsedSeconds) {
  if (!game_) return;
  const HWND owner = hwnd();
  chelan::CheckBestTime(services_, game_->BoardSize(), elapsedSeconds,
                        [this, owner](const std::wstring& prompt, const std::wstring& title) {
                          return services_.InputBox(owner, prompt, title);
                        });
}

void frmPuzzle::mnuHighScore_Click() { ShowScoreTable(services_, hwnd()); }

void frmPuzzle::mnuSound_Click() {
  if (menu_ && Exists()) menu_->SetChecked(mnuSound, !SoundSwitch());
}

void frmPuzzle::mnuExit_Click() { Close(); }

bool frmPuzzle::SoundSwitch() const { return menu_ && Exists() && menu_->Checked(mnuSound); }

std::optional<LRESULT> frmPuzzle::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // Sizes set while the window is being built are not resizes of a loaded window.
      if (loaded_) Form_Resize();
      return 0;
    case WM_ACTIVATE: {
      std::optional<LRESULT> handled = Form::OnMessage(message, wParam, lParam);
      if (LOWORD(wParam) != WA_INACTIVE && focusShuffleOnActivate_ && !Minimized()) {
        focusShuffleOnActivate_ = false;
        cmdShuffle.SetFocus();
      }
      return handled;
    }
    case kFocusShuffleMessage:
      if (game_) FocusShuffle();
      return 0;
    case WM_CTLCOLORSTATIC:
      // These labels keep the system's button-text colour, which the skin pages may change at
      // any time, on the window's own background.
      if (reinterpret_cast<HWND>(lParam) == lblSize.hwnd() || reinterpret_cast<HWND>(lParam) == Label1.hwnd()) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, kBackground);
        return reinterpret_cast<LRESULT>(labelBack_.get());
      }
      break;
    case WM_CTLCOLORLISTBOX: {
      // The dropped list of the level list asks for its colours with its own window.
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      if (cmbSize.hwnd() && GetComboBoxInfo(cmbSize.hwnd(), &info) &&
          info.hwndList == reinterpret_cast<HWND>(lParam)) {
        if (std::optional<LRESULT> colors = cmbSize.OnColor(reinterpret_cast<HDC>(wParam))) return colors;
      }
      break;
    }
    case WM_DESTROY:
      // Closing discards the game; the next opening starts a new one.
      loaded_ = false;
      Timer1.SetEnabled(false);
      game_.reset();
      placedBoardSize_ = 0;
      break;
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace chelan
