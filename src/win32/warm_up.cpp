#include "win32/warm_up.h"

#include <initializer_list>

#include "platform/resource.h"
#include "win32/dialog_kit.h"

namespace kalvor::win32 {

namespace {

// A font measured once: the next window that asks for the same one finds
// it ready.
void Measure(HDC dc, const LOGFONTA& face) {
  HFONT font = CreateFontIndirectA(&face);
  if (!font) return;
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size;
  GetTextExtentPoint32A(dc, "Ag", 2, &size);
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  DeleteObject(font);
}

LOGFONTA DialogFont(HDC dc, const char* face, int points) {
  LOGFONTA f = {};
  f.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
  f.lfWeight = FW_NORMAL;
  f.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(f.lfFaceName, face, LF_FACESIZE);
  return f;
}

}  // namespace

void WarmUp(HWND main) {
  HDC dc = GetDC(nullptr);
  if (dc) {
    Measure(dc, DialogFont(dc, "MS Sans Serif", 8));
    Measure(dc, DialogFont(dc, "MS Shell Dlg", 8));
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      Measure(dc, metrics.lfMessageFont);
    }
    ReleaseDC(nullptr, dc);
  }
  for (LPCSTR icon : {IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK}) {
    LoadIconA(nullptr, icon);
  }
  // The first text of the multi-line results area costs several times what
  // the next ones do: it is given one and emptied before anything is drawn.
  HWND results = GetDlgItem(main, IDC_MAIN_RESULTS);
  SetWindowTextA(results, "Ag\r\nAg");
  SetWindowTextA(results, "");
  PrepareDialogs(main);
}

}  // namespace kalvor::win32
