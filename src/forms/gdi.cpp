#include "forms/gdi.h"

#include "forms/twips.h"

namespace chelan::forms {

Font MakeFont(const std::wstring& face, double points, bool bold, BYTE charset) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(points * ScreenDpiY() / 72.0 + 0.5);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = charset;
  font.lfQuality = DEFAULT_QUALITY;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace chelan::forms
