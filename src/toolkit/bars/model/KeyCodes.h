#ifndef PLUX_TOOLKIT_BARS_MODEL_KEYCODES_H
#define PLUX_TOOLKIT_BARS_MODEL_KEYCODES_H

// The virtual-key codes the bars answer, as the platform numbers them.
namespace keys {
inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kAlt = 0x12;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kF4 = 0x73;
inline constexpr int kF6 = 0x75;
inline constexpr int kF10 = 0x79;
}  // namespace keys

#endif
