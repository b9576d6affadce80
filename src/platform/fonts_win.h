#pragma once
// The Japanese fonts of the user interface, chosen once from those
// installed: Windows has Meiryo UI or Yu Gothic UI, Wine under Linux
// usually Noto CJK or IPA fonts.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace platform {

// The first of "Meiryo UI", "Yu Gothic UI", "MS UI Gothic", "Noto Sans CJK
// JP", "IPAexGothic", "VL Gothic"; "MS UI Gothic" when none is installed.
const std::wstring& ChooseUiFontFace();
// The first of "MS Gothic", "Noto Sans Mono CJK JP", "IPAGothic"; else
// "MS Gothic".
const std::wstring& ChooseFixedFontFace();

// The first face of `faces` that is installed, or `fallback`.
std::wstring FirstInstalledFace(std::initializer_list<const wchar_t*> faces,
                                const wchar_t* fallback);
bool IsFontInstalled(const wchar_t* face);

}  // namespace platform
