#pragma once

#include "platform/ui/ui.h"

namespace pelk::settings {

// The settings panel, the hub the settings screens return to. Its buttons come with the panel's
// own work; until then it is an empty window the screens can show.
class frmBSfwSet : public ui::Form {
public:
    frmBSfwSet();
};

}  // namespace pelk::settings
