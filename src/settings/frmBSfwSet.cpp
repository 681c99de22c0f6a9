#include "settings/frmBSfwSet.h"

namespace pelk::settings {

frmBSfwSet::frmBSfwSet() {
    setCaption("Settings");
    setMdiChild(true);
}

}  // namespace pelk::settings
