#pragma once
// Where a page's activation came from, as the page window can tell it from the window that lost
// the activation. The rule of when a page's activation step runs is the skin pages' own.
namespace chelan {

enum class PreviousWindow {
  None,           // no window of this thread was active before
  ProgramWindow,  // a skin page, the mixer, the puzzle or another form of the program
  SystemDialog,   // a message box or the colour dialog, opened by the page itself
  OtherProgram,   // a window of another process
};

}  // namespace chelan
