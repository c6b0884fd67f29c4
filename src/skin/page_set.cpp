#include "skin/page_set.h"

#include <stdexcept>

namespace chelan {

PageSet::PageSet() : pages_{SkinPageModel(1), SkinPageModel(2), SkinPageModel(3)} {}

std::size_t PageSet::Index(int number) {
  if (number < 1 || number > 3) throw std::out_of_range("no skin page " + std::to_string(number));
  return static_cast<std::size_t>(number - 1);
}

SkinPageModel& PageSet::Page(int number) { return pages_[Index(number)]; }
const SkinPageModel& PageSet::Page(int number) const { return pages_[Index(number)]; }
bool PageSet::OnScreen(int number) const { return onScreen_[Index(number)]; }

void PageSet::Show(int number, PageWindows& windows) {
  onScreen_[Index(number)] = true;
  windows.ShowPage(number);
}

void PageSet::Open(int number, PageWindows& windows) {
  if (navigating_) {
    // Taken up by the running navigation, which shows it last; nothing it left is hidden for it.
    requested_ = number;
    return;
  }
  navigating_ = true;
  Show(number, windows);
  navigating_ = false;
  // A navigation asked for while the page was being created runs now.
  if (requested_) {
    const int target = *requested_;
    requested_.reset();
    Navigate(number, target, windows);
  }
}

void PageSet::Navigate(int from, int target, PageWindows& windows) {
  left_[Index(from)] = true;
  requested_ = target;
  if (navigating_) return;
  navigating_ = true;
  int shown = target;
  // Showing a page can run a click that asks for another page; hiding cannot, but a request is
  // taken up however it came.
  while (requested_) {
    while (requested_) {
      shown = *requested_;
      requested_.reset();
      Show(shown, windows);
    }
    for (int number = 1; number <= 3; ++number) {
      const std::size_t i = Index(number);
      if (!left_[i] || number == shown) continue;
      left_[i] = false;
      if (onScreen_[i]) {
        onScreen_[i] = false;
        windows.HidePage(number);
      }
    }
  }
  left_ = {};
  navigating_ = false;
}

void PageSet::ProgramActivated(bool active) { programJustActivated_ = active; }

bool PageSet::Activated(int number, PreviousWindow previous) {
  const std::size_t i = Index(number);
  if (systemDialogs_ > 0) previous = PreviousWindow::SystemDialog;
  // No window of the thread was active: the program was entered from outside it if Windows has
  // just said so, and otherwise a window of the program went away (the puzzle closed, say).
  if (previous == PreviousWindow::None) {
    previous = programJustActivated_ ? PreviousWindow::OtherProgram : PreviousWindow::ProgramWindow;
  }
  programJustActivated_ = false;
  const bool first = !activatedBefore_[i];
  activatedBefore_[i] = true;
  return first || previous == PreviousWindow::ProgramWindow;
}

}  // namespace chelan
