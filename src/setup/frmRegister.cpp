#include "setup/frmRegister.h"

#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

frmRegister::frmRegister() {
    setCaption("Setup");
    setBorderStyle(3);
    setWidth(6015);
    setHeight(3000);
    datCountry.setConnect("Access 2000;");
    datCountry.setRecordSource("tbSet");
    datCountry.setVisible(false);
    lblCountry.setCaption("Country");
    lblCountry.setBackStyle(0);
    lblCountry.Move(480, 480, 1215, 255);
    cmbCountry.Move(480, 780, 2895, 315);
    datCountry.bind(cmbCountry, "SetL");
}

// The country lies in the program folder's tbSet whatever the data location, where every reader
// of it looks.
void frmRegister::Form_Load() {
    setBackColor(settings::kScreenGreen);
    datCountry.setDatabaseName(os::programPath(settings::kStationStore));
    for (const char* country :
         {"Australia", "Canada", "China", "Japan", "Korean", "Mexico", "United Kingdom", "United States"})
        cmbCountry.AddItem(country);
}

}  // namespace pelk::setup
