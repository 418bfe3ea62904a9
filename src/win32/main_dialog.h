// The main dialog ("maindlg"): its procedure, the 3-D frame it paints, and
// the About box.
#pragma once

#include "win32/winapi.h"

namespace kalvor::win32 {

INT_PTR CALLBACK MainDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK aboutDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The raised outer border and the sunken inner rectangle of the main dialog.
void PaintFrame(HWND hwnd, HDC dc);
// A one-pixel sunken frame around control `id`.
void SunkenFrame(HDC dc, HWND dialog, int id);

}  // namespace kalvor::win32
