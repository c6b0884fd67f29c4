// The floor of the idle figure, for tools/bench: the least a program can do that shows the marquee
// as designed, a bare window of a page's size with one 10 ms timer whose every tick copies one
// canvas-sized image (603 × 357 pixels at 96 DPI, from a bitmap like the page's canvas) to the
// window. Nothing else: no pages, no toolkit, no composition, the window's DC kept for its life.
// Prints its state and "ready", runs for the given seconds, checks that the window is still on
// screen and that the timer kept ticking, prints that, and exits non-zero when either is not so.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "forms/gdi.h"
#include "forms/twips.h"
#include "shell/page_design.h"

namespace {

struct Floor {
  HDC window = nullptr;
  HDC canvas = nullptr;
  SIZE size{};
  POINT origin{};
  long ticks = 0;
};
Floor floorState;

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == 1) {
    BitBlt(floorState.window, floorState.origin.x, floorState.origin.y, floorState.size.cx, floorState.size.cy,
           floorState.canvas, 0, 0, SRCCOPY);
    ++floorState.ticks;
    return 0;
  }
  if (message == WM_TIMER && wParam == 2) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool OnScreen(HWND window) { return IsWindowVisible(window) && !IsIconic(window); }

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 15;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  // Its own DC, fetched once: the floor does not pay for fetching one per tick.
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = FloorProcedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = L"ChelanIdleFloor";
  RegisterClassW(&windowClass);

  // The page's client area and canvas, in the page's own units.
  const int clientWidth = chelan::forms::TwipsToPixelsX(chelan::kPageClientWidth);
  const int clientHeight = chelan::forms::TwipsToPixelsY(chelan::kPageClientHeight);
  floorState.size = {clientWidth, chelan::forms::TwipsToPixelsY(chelan::kBodyHeight)};
  RECT bounds{0, 0, clientWidth, clientHeight};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&bounds, style, FALSE);
  const HWND window = CreateWindowW(L"ChelanIdleFloor", L"floor", style, 100, 100, bounds.right - bounds.left,
                                    bounds.bottom - bounds.top, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  // A class DC of its own is never released; it goes with the window.
  floorState.window = GetDC(window);
  floorState.origin = {0, (clientHeight - floorState.size.cy) / 2};

  // A canvas like the page's: a bitmap compatible with the screen, holding bands of colour.
  const chelan::forms::ClientDc screen(nullptr);
  const chelan::forms::MemoryDc canvas(screen.get());
  const chelan::forms::Bitmap image(CreateCompatibleBitmap(screen.get(), floorState.size.cx, floorState.size.cy));
  const chelan::forms::ScopedSelect selected(canvas.get(), image.get());
  floorState.canvas = canvas.get();
  for (int top = 0; top < floorState.size.cy; top += 7) {
    const chelan::forms::Brush band = chelan::forms::SolidBrush(RGB(50, 200, 150 - top * 150 / floorState.size.cy));
    const RECT r{0, top, floorState.size.cx, top + 7};
    FillRect(canvas.get(), &r, band.get());
  }

  SetTimer(window, 1, 10, nullptr);
  std::printf("state: a window %d x %d on screen: %s; one 10 ms timer copying %ld x %ld pixels per tick\n",
              clientWidth, clientHeight, OnScreen(window) ? "yes" : "NO", floorState.size.cx, floorState.size.cy);
  if (!OnScreen(window)) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  SetTimer(window, 2, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);

  const double perSecond = static_cast<double>(floorState.ticks) / seconds;
  // Wine's timers fire at most every 10 ms; a floor that ticked far less would be no floor.
  const bool kept = OnScreen(window) && perSecond > 50;
  std::printf("state after: the window on screen: %s; %.0f copies a second\n", OnScreen(window) ? "yes" : "NO",
              perSecond);
  std::fflush(stdout);
  return kept ? 0 : 1;
}
