#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/print/printer.h"

namespace pelk::print::detail {

// Lays the lines out top to bottom on Letter pages, each in its own font, and writes them as
// a PDF. Returns "" or why it failed. Needs the screen's thread when no application object
// exists yet (one is made then).
std::string renderPdf(const std::vector<PrintedLine>& lines, int printQuality, const std::filesystem::path& file,
                      const std::string& title);

// The installed font that stands in for a legacy font name.
std::string substituteFont(std::string_view legacyName);

}  // namespace pelk::print::detail
