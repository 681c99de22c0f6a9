#pragma once

#include <string>

namespace pelk::os {

// The station's own marks, kept in its own folder (never in the shared data files, since
// each station is set up on its own first start).
bool setupDone();
// Records that the first-run set-up was shown on this station; false when it cannot be kept.
bool markSetupDone(std::string* error = nullptr);

}  // namespace pelk::os
