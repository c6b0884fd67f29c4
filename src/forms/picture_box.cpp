#include "forms/picture_box.h"

#include <algorithm>

namespace chelan::forms {

void PictureBox::Create(HWND parent, const TwipRect& place, COLORREF back, bool border, bool visible) {
  const int left = TwipsToPixelsX(place.left);
  const int top = TwipsToPixelsY(place.top);
  CreatePixels(parent, RECT{left, top, left + TwipsToPixelsX(place.width), top + TwipsToPixelsY(place.height)},
               back, border, visible);
}

void PictureBox::CreatePixels(HWND parent, const RECT& bounds, COLORREF back, bool border, bool visible) {
  // WS_CLIPCHILDREN: the box's own controls stay in front of its drawing; WS_CLIPSIBLINGS: and of
  // any sibling drawn later.
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
  CreateOwnWindow(L"ChelanPictureBox", border ? WS_EX_CLIENTEDGE : 0, style, L"", bounds, parent, nullptr, back);
  MatchImageToClient();
  Cls();
}

void PictureBox::Refresh() const { InvalidateRect(hwnd(), nullptr, FALSE); }

void PictureBox::Cls() {
  RECT all{0, 0, imageSize_.cx, imageSize_.cy};
  SetDCBrushColor(image_.get(), BackColor());
  FillRect(image_.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  Refresh();
}

void PictureBox::SetBackColor(COLORREF color) {
  Window::SetBackColor(color);
  if (image_.get()) Cls();
}

SIZE PictureBox::InnerSize() const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  return SIZE{client.right, client.bottom};
}

SIZE PictureBox::OuterSize() const {
  RECT outer{};
  GetWindowRect(hwnd(), &outer);
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

void PictureBox::SetVisible(bool visible) const { ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

void PictureBox::MatchImageToClient() {
  const SIZE size = InnerSize();
  if (image_.get() && size.cx <= imageSize_.cx && size.cy <= imageSize_.cy) return;
  // A larger image keeps what was drawn; the new part takes the back colour.
  ClientDc screen(nullptr);
  const SIZE grown{std::max(size.cx, imageSize_.cx), std::max(size.cy, imageSize_.cy)};
  MemoryDc image(screen.get());
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), std::max<LONG>(grown.cx, 1), std::max<LONG>(grown.cy, 1)));
  HGDIOBJ original = SelectObject(image.get(), bitmap.get());
  RECT all{0, 0, grown.cx, grown.cy};
  SetDCBrushColor(image.get(), BackColor());
  FillRect(image.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (image_.get()) {
    BitBlt(image.get(), 0, 0, imageSize_.cx, imageSize_.cy, image_.get(), 0, 0, SRCCOPY);
    SelectObject(image_.get(), originalBitmap_);
  }
  image_ = std::move(image);
  bitmap_ = std::move(bitmap);
  originalBitmap_ = original;
  imageSize_ = grown;
}

std::optional<LRESULT> PictureBox::OnMessage(UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the image covers the whole client area
    case WM_PAINT: {
      PaintDc paint(hwnd());
      const RECT& area = paint.area();
      BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, image_.get(),
             area.left, area.top, SRCCOPY);
      return 0;
    }
    case WM_SIZE:
      if (image_.get()) MatchImageToClient();
      return std::nullopt;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace chelan::forms
