#pragma once
// The program's windows after the password gate: the three skin pages, the mixer beside page 1
// and the puzzle. Each is one program-wide object whose window is created on first show.
#include "mixer/Form3.h"
#include "platform/services.h"
#include "puzzle/frmPuzzle.h"
#include "skin/frmFancyfrm.h"
#include "skin/frmFancyfrm1.h"
#include "skin/frmFancyfrm2.h"

namespace chelan {

class SkinPages {
 public:
  explicit SkinPages(Services& services);
  SkinPages(const SkinPages&) = delete;
  SkinPages& operator=(const SkinPages&) = delete;

  SkinPage& Page(int number);
  // Shows the target page (creating it on first use), then hides the page the user left.
  void Navigate(SkinPage& from, int target);

  Form3 mixer;
  frmFancyfrm page1;
  frmFancyfrm1 page2;
  frmFancyfrm2 page3;
  frmPuzzle puzzle;
};

}  // namespace chelan
