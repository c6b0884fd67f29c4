#include "app/skin_pages.h"

namespace chelan {

SkinPages::SkinPages(Services& services)
    : mixer(services),
      page1(services, pageSet, clock, mixer),
      page2(services, pageSet, clock, [this](ColorValue color) { page1.SetPending(color); }),
      page3(services, pageSet, clock, [this](ColorValue color) { page1.SetPending(color); }, [this] { puzzle.Open(); }),
      puzzle(services, [this] { Open(1); }) {
  for (SkinPage* page : {static_cast<SkinPage*>(&page1), static_cast<SkinPage*>(&page2),
                         static_cast<SkinPage*>(&page3)}) {
    page->ShowPage = [this, page](int target) { pageSet.Navigate(page->Design().number, target, *this); };
  }
}

SkinPage& SkinPages::Page(int number) {
  if (number == 2) return page2;
  if (number == 3) return page3;
  return page1;
}

}  // namespace chelan
