#pragma once
// The three skin pages with the recording fake, as the Windows tests of the pages use them. Pages 2
// and 3 report what they write into page 1 instead of writing it, and page 3's puzzle button counts.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "fake_services.h"
#include "mixer/Form3.h"
#include "skin/frmFancyfrm.h"
#include "skin/frmFancyfrm1.h"
#include "skin/frmFancyfrm2.h"
#include "skin/page_set.h"
#include "window_test_helpers.h"

namespace chelan {

class PagesTest : public ::testing::Test {
 protected:
  void Open(SkinPage& page) {
    page.Show();
    testing::PumpMessages();
  }
  std::vector<testing::SysColorWrite> TakeWrites() {
    std::vector<testing::SysColorWrite> writes = services.sysColors;
    services.sysColors.clear();
    return writes;
  }

  SkinPage& PageNumber(int number) {
    if (number == 1) return page1;
    return number == 2 ? static_cast<SkinPage&>(page2) : page3;
  }

  testing::FakeServices services;
  PageSet pageSet;
  Form3 mixer{services};
  // Real time unless a test stops it at a moment of its choosing.
  std::optional<std::uint64_t> frozenTime;
  FrameClock clock{[this] { return frozenTime ? *frozenTime : static_cast<std::uint64_t>(GetTickCount64()); }};
  frmFancyfrm page1{services, pageSet, clock, mixer};
  std::vector<ColorValue> page1Pending;
  int puzzleOpenings = 0;
  frmFancyfrm1 page2{services, pageSet, clock, [this](ColorValue c) { page1Pending.push_back(c); }};
  frmFancyfrm2 page3{services, pageSet, clock, [this](ColorValue c) { page1Pending.push_back(c); },
                     [this] { ++puzzleOpenings; }};
};

}  // namespace chelan
