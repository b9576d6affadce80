#pragma once
// The system's colour dialog for a colour of the settings, which may be a
// system colour ("clWindowText"); what it gives back is a plain colour.
#include <windows.h>

#include <optional>

#include "store/color_text.h"

namespace settings {

// The colour as GDI draws it: a system colour by its current value.
COLORREF ToColorRef(store::Color colour);

// ChooseColorW opened on `initial`, the custom colours kept for the run;
// nullopt when cancelled.
std::optional<store::Color> PickColour(HWND owner, store::Color initial);

}  // namespace settings
