#pragma once

namespace pelk::setup {

// The end of the wizard's road: the printer settings, with their Next shown, without waiting.
// The steps still waiting then return in turn, and whoever opened the wizard goes on.
void showPrinterSettings();

}  // namespace pelk::setup
