#include "platform/fonts_win.h"

#include "platform/win_handles_win.h"

namespace platform {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

}  // namespace

bool IsFontInstalled(const wchar_t* face) {
  WindowDc screen(nullptr);
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(screen.get(), &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

std::wstring FirstInstalledFace(std::initializer_list<const wchar_t*> faces,
                                const wchar_t* fallback) {
  for (const wchar_t* face : faces)
    if (IsFontInstalled(face)) return face;
  return fallback;
}

const std::wstring& ChooseUiFontFace() {
  static const std::wstring face =
      FirstInstalledFace({L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic", L"Noto Sans CJK JP",
                          L"IPAexGothic", L"VL Gothic"},
                         L"MS UI Gothic");
  return face;
}

const std::wstring& ChooseFixedFontFace() {
  static const std::wstring face =
      FirstInstalledFace({L"MS Gothic", L"Noto Sans Mono CJK JP", L"IPAGothic"}, L"MS Gothic");
  return face;
}

}  // namespace platform
