#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/print/printer.h"

namespace pelk::print::detail {

// Lays the lines out top to bottom on pages of `paper` (a print server's name for it: "A4",
// "Letter", "iso_a4_210x297mm"; Letter when it is "" or unknown), each in its own font, and
// writes them as a PDF. A line wider than the printable width is drawn in a smaller size that
// fits. Returns "" or why it failed. Needs the screen's thread when no application object
// exists yet (one is made then).
std::string renderPdf(const std::vector<PrintedLine>& lines, int printQuality, const std::filesystem::path& file,
                      const std::string& title, std::string_view paper = {});

// Makes the application object fonts need, when there is none yet: "" or why printouts cannot
// be drawn. Only on the thread that started the program; renderPdf may then run on any thread.
std::string prepareRenderer();

// The installed font that stands in for a legacy font name.
std::string substituteFont(std::string_view legacyName);

}  // namespace pelk::print::detail
