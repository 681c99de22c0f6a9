#include "setup/road_end.h"

#include "settings/frmSetPtr.h"

namespace pelk::setup {

void showPrinterSettings() {
    settings::frmSetPtr& printers = ui::forms().get<settings::frmSetPtr>();
    printers.cmdNext.setVisible(true);
    printers.Show();
}

}  // namespace pelk::setup
