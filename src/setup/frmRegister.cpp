#include "setup/frmRegister.h"

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

namespace {

const ui::FormDesign kDesign{
    {},
    {
        {"datCountry", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSet"}, {"Visible", false}}},
        {"lblCountry",
         {3360, 2400, 4455, 375},
         {{"Caption", "Select your country:"}, {"Font", ui::font::kSans13Bold}, {"BackStyle", 0}}},
        // A list only: the readers of the country compare it with the eight names.
        {"cmbCountry", {3360, 2880, 4455, 420}, {{"Style", 2}, {"Font", ui::font::kSans13Bold}}},
    }};

}  // namespace

frmRegister::frmRegister() : WizardStep(1, false) {
    ui::applyDesign(*this, kDesign);
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
