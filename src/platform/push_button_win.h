#pragma once
// A push button drawn by its parent (BS_OWNERDRAW), for the buttons whose
// caption has a colour of its own.
#include <windows.h>

#include <string>

namespace platform {

// Draws the face, `caption` in `textColour` (pressed: shifted by a pixel)
// and the focus rectangle, from the parent's WM_DRAWITEM.
void DrawPushButton(const DRAWITEMSTRUCT& item, HFONT font, const std::wstring& caption,
                    COLORREF textColour);

}  // namespace platform
