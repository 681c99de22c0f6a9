#pragma once

#include <functional>

namespace pelk::shell {

// The start's work that needs no window: the stores made or looked at, and the log-in screen's
// stores opened ahead. Run on a thread of its own while the window system comes up.
void startEarly();

// The start-up: the station's printers read, the stores made (by startEarly, or here when nobody
// began it) and what failed or was made anew told, then the program's entry (Main). `afterMain`
// runs next, before the log-in screen's stores are let go.
void startUp(const std::function<void()>& afterMain);

}  // namespace pelk::shell
