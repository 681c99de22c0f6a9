#include "setup/frmRegister.h"

#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

frmRegister::frmRegister() : WizardStep(1, false) {
    datCountry.setConnect("Access 2000;");
    datCountry.setRecordSource("tbSet");
    datCountry.setVisible(false);
    lblCountry.setCaption("Select your country:");
    lblCountry.setFontName("MS Sans Serif");
    lblCountry.setFontSize(13.5);
    lblCountry.setFontBold(true);
    lblCountry.setBackStyle(0);
    lblCountry.Move(3360, 2400, 4455, 375);
    // A list only: the readers of the country compare it with the eight names.
    cmbCountry.setStyle(2);
    cmbCountry.setFontName("MS Sans Serif");
    cmbCountry.setFontSize(13.5);
    cmbCountry.setFontBold(true);
    cmbCountry.Move(3360, 2880, 4455, 420);
    datCountry.bind(cmbCountry, "setL");

    cmdNext.onClick([this] { cmdNext_Click(); });
}

// The country lies in the program folder's tbSet whatever the data location, where every reader
// of it looks, so one station's choice is the one its own screens show.
void frmRegister::Form_Load() {
    WizardStep::Form_Load();
    datCountry.setDatabaseName(os::programPath(settings::kStationStore));
    for (const char* country :
         {"Australia", "Canada", "China", "Japan", "Korean", "Mexico", "United Kingdom", "United States"})
        cmbCountry.AddItem(country);
}

void frmRegister::cmdNext_Click() { goNext(); }

}  // namespace pelk::setup
