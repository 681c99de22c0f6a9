#pragma once

namespace pelk::os {

// What a killed run or an earlier version of the program left behind, put right at its start:
// the files and folders of the program folder and the station folder that are the program's
// own (see keptPrivate) get their private modes (0600, folders 0700), as an earlier version
// may have made them readable by every account; a share's files keep the modes the share
// gives. SQLite super-journals (`*-mj*`) that a kill left in a folder whose stores are all
// whole (no journal left to roll back) are removed. Returns how many entries it changed.
int tidyAfterEarlierRuns();

}  // namespace pelk::os
