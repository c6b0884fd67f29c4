#pragma once
// The page shell the three skin pages share: tool bar, status bar, hidden marquee canvas with its
// gradient, logo tones and bitmap holders, the page menu with its glyphs, the music label's frame,
// the two timers and the page's life cycle. Each page adds its own colour controls.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <initializer_list>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/gdi.h"
#include "forms/menu.h"
#include "forms/picture_box.h"
#include "forms/tool_tip.h"
#include "platform/services.h"
#include "shell/bitmap_holder.h"
#include "shell/frame_clock.h"
#include "shell/marquee.h"
#include "shell/marquee_lines.h"
#include "shell/page_activation.h"
#include "shell/page_design.h"
#include "shell/page_switch.h"
#include "shell/page_marquee.h"

namespace chelan {

class SkinPage : public forms::Form, private ClockedWindow {
 public:
  // The page's marquee and clock label run on the program's frame clock.
  SkinPage(Services& services, FrameClock& clock, const PageDesign& design, const wchar_t* className);
  ~SkinPage() override;

  // The load-time layout, then the page's own controls.
  void Load() final;

  // Shows the given skin page (1 to 3); the program wires it to its pages.
  std::function<void(int page)> ShowPage;

  forms::PictureBox picToolBar, picStatusBar, picSBPanel1, picBody;
  std::array<forms::PictureBox, 2> picLogo;
  forms::Button cmdMusic, cmdClock, cmdExit, Command3, Command4;
  forms::Label lblMusic, lblClock;
  ClockTimer Timer1, Timer2;
  forms::MenuBar menu;
  // The glyph sources of the tool bar buttons and menu items.
  forms::Bitmap imgMusic, ImgMusic2, imgClock, imgClock2, imgExit;
  // Bitmap holder 0 holds the gradient, holder 1 the logo in its stored tone.
  std::array<BitmapHolder, 2> holders;

  // Page state of the shell: the canvas size W × H, start and scroll position and line gap of the
  // marquee, the line table, the clock and the music.
  MarqueeState marquee;
  MarqueeLines lines;
  bool logoReady = false;
  PageSwitch clock;
  std::wstring musicPath;
  PageSwitch music;
  forms::ToolTip toolTips;

  void Form_Activate();
  void Form_QueryUnload();
  void FrameMusicLabel();
  void SetMenuGlyphs();
  void cmdExit_Click();
  void mnuFileExit_Click();
  void mnuFileRestore_Click();
  void Command3_Click();
  void Command4_Click();
  void cmdClock_Click();
  void mnuFileClock_Click();
  void cmdMusic_Click();
  void mnuFileMusic_Click();
  bool IsFileThere(const std::wstring& inFileSpec);
  // The clock label shows the time of day.
  void Timer1_Timer();
  // One frame of the marquee; a page nobody can see only moves the roll on.
  void Timer2_Timer();
  // Shown and not minimised, as the window's last messages about it said.
  bool OnScreen() const { return onScreen_; }
  // The page's marquee once the page has loaded; null before.
  PageMarquee* Marquee() const { return marquee_.get(); }

  static constexpr int mnuFileMusic = 1001;
  static constexpr int mnuFileClock = 1002;
  static constexpr int mnuFileExit = 1003;
  static constexpr int mnuFileRestore = 1004;

  const PageDesign& Design() const { return design_; }

 protected:
  // The page's own controls, created after the shell's.
  virtual void LoadPage() {}
  // The page's two preview colour writes, each time its activation step runs.
  virtual void ColorStep() {}
  // Puts the desktop's own colours back; the page and its activation rule stay as they are.
  virtual void RestoreColors() {}
  // Whether the activation step runs now that the page became active, coming from `previous`.
  virtual bool ActivationRuns(PreviousWindow previous) = 0;
  // Windows says the program as a whole became active or inactive.
  virtual void ProgramActivated(bool active) = 0;
  // Controls of the page that lie over the status bar stay in front of it, in the given order,
  // which is also their tab order.
  static void BringToFront(std::initializer_list<forms::Control*> controls);
  // Page 1 keeps the mixer beside itself: at load and at every paint.
  virtual void PlaceMixer(bool /*atLoad*/) {}
  // Page 1's mixer goes with it when the page is hidden; the next paint brings it back.
  virtual void HideMixer() {}
  virtual void Form_Paint() {}
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  Services& services_;
  // The font of the page's controls.
  forms::Font font_;

 private:
  void LayOutShell();
  void PaintBodyGradient();
  void PrepareLogoTones();
  void PrepareMarquee();
  void LoadMusic();
  // Shows a switch's state on its button, tool tip and menu glyph.
  struct SwitchLook;
  void ShowSwitch(const SwitchLook& look, bool on);
  // Takes the page's visibility and client size from the window, on the messages that change them.
  void NoteWindowState();
  void DrawFrame() override;
  void AdvanceRoll(std::uint64_t steps) override;
  void ShowTime() override { Timer1_Timer(); }

  FrameClock& clock_;
  std::size_t clockPlace_;
  bool onScreen_ = false;

  const PageDesign& design_;
  const wchar_t* className_;
  bool hasLogo_ = false;
  // The page's own DC (its class has CS_OWNDC): the same for every frame, released with the window.
  std::unique_ptr<forms::ClientDc> pageDc_;
  std::unique_ptr<PageMarquee> marquee_;
  bool activatedBefore_ = false;  // a frame has been drawn that a repaint can copy
};

}  // namespace chelan
