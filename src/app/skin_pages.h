#pragma once
// The program's windows after the password gate: the three skin pages over their page set, the
// mixer beside page 1 and the puzzle. Each is one program-wide object whose window is created on
// first show.
#include "mixer/Form3.h"
#include "platform/services.h"
#include "puzzle/frmPuzzle.h"
#include "skin/frmFancyfrm.h"
#include "skin/frmFancyfrm1.h"
#include "skin/frmFancyfrm2.h"
#include "skin/page_set.h"

namespace chelan {

class SkinPages : private PageWindows {
 public:
  explicit SkinPages(Services& services);
  SkinPages(const SkinPages&) = delete;
  SkinPages& operator=(const SkinPages&) = delete;

  SkinPage& Page(int number);
  // Shows the page without hiding another: the program's start, the puzzle's button.
  void Open(int number) { pageSet.Open(number, *this); }

  PageSet pageSet;
  // The one frame clock of the pages' marquees and clock labels; it outlives the pages.
  FrameClock clock;
  Form3 mixer;
  frmFancyfrm page1;
  frmFancyfrm1 page2;
  frmFancyfrm2 page3;
  frmPuzzle puzzle;

 private:
  void ShowPage(int number) override { Page(number).Show(); }
  void HidePage(int number) override { Page(number).Hide(); }
};

}  // namespace chelan
