#include "shell/gdi_drawing.h"

namespace chelan {

DcLinePainter::DcLinePainter(HDC dc) : dc_(dc), previousPen_(SelectObject(dc, GetStockObject(DC_PEN))) {}

DcLinePainter::~DcLinePainter() { SelectObject(dc_, previousPen_); }

void DcLinePainter::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void DcLinePainter::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void DcLinePainter::SetPenColor(ColorValue colour) { SetDCPenColor(dc_, colour); }

ColorValue DcPixelImage::GetPixel(int x, int y) const { return ::GetPixel(dc_, x, y) & 0xFFFFFF; }

void DcPixelImage::SetPixel(int x, int y, ColorValue colour) { SetPixelV(dc_, x, y, colour); }

}  // namespace chelan
