#pragma once
// A page's music or clock switch: on or off, and for the music only while its file is there. The
// tool bar button and the menu item turn it over; the page shows and sounds what it holds.
namespace chelan {

struct PageSwitch {
  bool available = true;
  bool on = false;

  // Turns the switch over; false, and no change, when it is not available.
  bool Flip() {
    if (!available) return false;
    on = !on;
    return true;
  }
};

}  // namespace chelan
