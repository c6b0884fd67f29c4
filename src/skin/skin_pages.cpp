#include "skin/skin_pages.h"

namespace chelan {

SkinPages::SkinPages(Services& services)
    : mixer(services),
      page1(services, mixer),
      page2(services, [this](ColorValue colour) { page1.SetPending(colour); }),
      page3(services, [this](ColorValue colour) { page1.SetPending(colour); }, [this] { puzzle.Open(); }),
      puzzle(services, [this] { page1.Show(); }) {
  for (SkinPage* page : {static_cast<SkinPage*>(&page1), static_cast<SkinPage*>(&page2),
                         static_cast<SkinPage*>(&page3)}) {
    page->ShowPage = [this, page](int target) { Navigate(*page, target); };
  }
}

SkinPage& SkinPages::Page(int number) {
  if (number == 2) return page2;
  if (number == 3) return page3;
  return page1;
}

void SkinPages::Navigate(SkinPage& from, int target) {
  Page(target).Show();
  from.Hide();
}

}  // namespace chelan
