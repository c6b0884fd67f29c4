#pragma once
// The three skin pages as one set, without windows: each page's colour model, which pages are on
// screen, navigation that stays whole when a click arrives while a page is still loading, and the
// rule of when a page's activation step runs.
#include <array>
#include <optional>

#include "shell/page_activation.h"
#include "skin/color_restore.h"
#include "skin/skin_page_model.h"

namespace chelan {

// What the set asks of the page windows. Showing a page may create it, and creating a page lets
// waiting window messages run, so a navigation can be asked for while another one is showing.
class PageWindows {
 public:
  virtual ~PageWindows() = default;
  virtual void ShowPage(int number) = 0;
  virtual void HidePage(int number) = 0;
};

class PageSet {
 public:
  PageSet();
  PageSet(const PageSet&) = delete;
  PageSet& operator=(const PageSet&) = delete;

  SkinPageModel& Page(int number);
  const SkinPageModel& Page(int number) const;
  bool OnScreen(int number) const;
  // The desktop's colours from before the pages' first write, and the way back to the user's own.
  ColorRestore& Restore() { return restore_; }

  // Shows the page without hiding another (the program's start, the puzzle's button).
  void Open(int number, PageWindows& windows);
  // A navigation button of page `from`: shows the target, then hides the page left. A navigation
  // asked for while one is running is taken up when the running one has shown its page; at the
  // end the page chosen last is on screen and every page the chain left is hidden.
  void Navigate(int from, int target, PageWindows& windows);

  // The program as a whole became active (true) or inactive.
  void ProgramActivated(bool active);
  // A page became the active window; true when its activation step runs: at its first display,
  // and afterwards when it comes from another window of the program (another skin page, the
  // mixer, the puzzle), never when it comes back from a message box or the colour dialog or from
  // another program.
  bool Activated(int number, PreviousWindow previous);

  // While a page's own message box or colour dialog is open, whatever activation it causes comes
  // from that box.
  class SystemDialogScope {
   public:
    explicit SystemDialogScope(PageSet& set) : set_(set) { ++set_.systemDialogs_; }
    ~SystemDialogScope() { --set_.systemDialogs_; }
    SystemDialogScope(const SystemDialogScope&) = delete;
    SystemDialogScope& operator=(const SystemDialogScope&) = delete;

   private:
    PageSet& set_;
  };

 private:
  static std::size_t Index(int number);
  void Show(int number, PageWindows& windows);

  std::array<SkinPageModel, 3> pages_;
  ColorRestore restore_;
  std::array<bool, 3> onScreen_{};
  std::array<bool, 3> activatedBefore_{};
  // The navigation running: the pages it left and the target asked for last, not shown yet.
  bool navigating_ = false;
  std::array<bool, 3> left_{};
  std::optional<int> requested_;
  bool programJustActivated_ = false;
  int systemDialogs_ = 0;
};

}  // namespace chelan
