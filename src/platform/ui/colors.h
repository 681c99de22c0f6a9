#pragma once

#include "platform/ui/object.h"

// The colours the screens are designed in, named once, as &H00BBGGRR values.
namespace pelk::ui::color {

// The desktop's own colours, resolved by the host from its scheme (GetSysColor's numbering).
inline constexpr Color kScrollBars = 0x80000000;
inline constexpr Color kDesktop = 0x80000001;
inline constexpr Color kActiveTitle = 0x80000002;
inline constexpr Color kInactiveTitle = 0x80000003;
inline constexpr Color kMenuBar = 0x80000004;
inline constexpr Color kWindowBackground = 0x80000005;
inline constexpr Color kWindowFrame = 0x80000006;
inline constexpr Color kMenuText = 0x80000007;
inline constexpr Color kWindowText = 0x80000008;
inline constexpr Color kActiveTitleText = 0x80000009;
inline constexpr Color kApplicationWorkspace = 0x8000000C;
inline constexpr Color kHighlight = 0x8000000D;
inline constexpr Color kHighlightText = 0x8000000E;
inline constexpr Color kButtonFace = 0x8000000F;
inline constexpr Color kButtonShadow = 0x80000010;
inline constexpr Color kDisabledText = 0x80000011;
inline constexpr Color kButtonText = 0x80000012;

// The fixed colours the screens repeat.
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kDarkRed = 0x0000C0;
inline constexpr Color kDeepRed = 0x000040;
inline constexpr Color kLightRed = 0x8080FF;
inline constexpr Color kOrange = 0x0080FF;
inline constexpr Color kYellow = 0x00FFFF;
inline constexpr Color kMidYellow = 0x80FFFF;
inline constexpr Color kLightYellow = 0xC0FFFF;
inline constexpr Color kOlive = 0x00C0C0;
inline constexpr Color kGreen = 0x00FF00;
inline constexpr Color kMidGreen = 0x00C000;
inline constexpr Color kDarkGreen = 0x008000;
inline constexpr Color kDeepGreen = 0x004000;
inline constexpr Color kPaleGreen = 0x80FF80;
inline constexpr Color kLightGreen = 0xC0FFC0;  // the screens' background
inline constexpr Color kTeal = 0xC0C000;
inline constexpr Color kCyan = 0xFFFF00;
inline constexpr Color kMidCyan = 0xFFFF80;
inline constexpr Color kLightCyan = 0xFFFFC0;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kDarkBlue = 0xC00000;
inline constexpr Color kNavy = 0x800000;
inline constexpr Color kLightBlue = 0xFFC0C0;
inline constexpr Color kPink = 0xFF80FF;
inline constexpr Color kPeach = 0xC0E0FF;
inline constexpr Color kLightGrey = 0xE0E0E0;
inline constexpr Color kGrey = 0xC0C0C0;
inline constexpr Color kDarkGrey = 0x808080;

}  // namespace pelk::ui::color
