#pragma once

#include <string>
#include <vector>

#include "platform/print/printer.h"

namespace pelk::print {

// What a receipt printer (ESC/POS) gets for one ended document: ESC @ to start clean, ESC t
// with the first code page that holds every character of the text (else the one that holds
// most; characters it lacks print as "?"), each line in it ended by a line feed, bold (ESC E)
// and double width and height (GS !) where the line's font asks for them, then a feed and a
// cut, so that two copies never run together.
std::string escposDocument(const std::vector<PrintedLine>& lines);

// The ESC t numbers of the code pages a receipt printer is driven in, in the order tried.
struct CodePage {
    int number;
    const char* name;
};
std::vector<CodePage> escposCodePages();

// A font this size or larger prints in double width and height.
inline constexpr double kLargeFontPoints = 14;

}  // namespace pelk::print
