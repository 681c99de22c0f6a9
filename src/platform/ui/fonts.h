#pragma once

#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace pelk::ui {

// A font as a design names it: face, size in points, bold, italic, underline. Unlike Font it
// holds no string, so tables of them are constants made before anything runs.
struct FontRole {
    std::string_view name;
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Font font() const { return Font{std::string(name), size, bold, italic, underline}; }
};

// The fonts the screens repeat. A name's number is the size as the designer lists it rounded:
// 7 is 6.75 points, 8 is 8.25, 10 is 9.75, 13 is 13.5. A font a single screen uses is written
// where it is used, as a FontRole of its own.
namespace font {

// Every control's font until a design says otherwise.
inline constexpr FontRole kDialog{"MS Sans Serif", 8.25};
inline constexpr FontRole kDialogBold{"MS Sans Serif", 8.25, true};
inline constexpr FontRole kSans7{"MS Sans Serif", 6.75};
inline constexpr FontRole kSans10{"MS Sans Serif", 9.75};
inline constexpr FontRole kSans10Bold{"MS Sans Serif", 9.75, true};
inline constexpr FontRole kSans12{"MS Sans Serif", 12};
inline constexpr FontRole kSans12Bold{"MS Sans Serif", 12, true};
inline constexpr FontRole kSans13Bold{"MS Sans Serif", 13.5, true};
inline constexpr FontRole kArial8Bold{"Arial", 8.25, true};
inline constexpr FontRole kArial10Bold{"Arial", 9.75, true};
inline constexpr FontRole kArial12Bold{"Arial", 12, true};
inline constexpr FontRole kArial14Bold{"Arial", 14, true};
inline constexpr FontRole kArial18Bold{"Arial", 18, true};
// The digits of the keypads.
inline constexpr FontRole kArial24Bold{"Arial", 24, true};
inline constexpr FontRole kTimes12Bold{"Times New Roman", 12, true};
inline constexpr FontRole kComic8Bold{"Comic Sans MS", 8.25, true};
inline constexpr FontRole kComic18Bold{"Comic Sans MS", 18, true};

}  // namespace font
}  // namespace pelk::ui
