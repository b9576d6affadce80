#pragma once
// The Windows virtual-key codes the shortcuts and hot keys use, kept free
// of windows.h for the portable code.

namespace shell {

inline constexpr unsigned kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
inline constexpr unsigned kVkF5 = 0x74, kVkF6 = 0x75, kVkF11 = 0x7A, kVkF12 = 0x7B;

}  // namespace shell
