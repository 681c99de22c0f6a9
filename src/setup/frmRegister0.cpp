#include "setup/frmRegister0.h"

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/stores.h"

namespace pelk::setup {

namespace {

constexpr ui::FontRole kSans18Bold{ui::font::kDialog.name, 18, true};

const std::initializer_list<ui::DesignProperty> kNote = {{"MultiLine", true}, {"Font", ui::font::kSans10}};

const ui::FormDesign kDesign{
    {},
    {
        {"datPritOut", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSetInfor"}, {"Visible", false}}},
        {"lbl1",
         {1800, 1440, 7575, 285},
         {{"Caption", "Enter your Company name:"}, {"Font", ui::font::kSans10Bold}, {"BackStyle", 0}}},
        {"txtL1", {1800, 1740, 7575, 495}, {{"Font", kSans18Bold}}},
        {"lbl2",
         {1800, 2340, 7575, 285},
         {{"Caption", "Address or phone number:"}, {"Font", ui::font::kSans10Bold}, {"BackStyle", 0}}},
        {"txtL2", {1800, 2640, 7575, 405}, {{"Font", ui::font::kSans13Bold}}},
        {"txtL3", {1800, 3090, 7575, 405}, {{"Font", ui::font::kSans13Bold}}},
        {"Label8",
         {1800, 3660, 7575, 285},
         {{"Caption", "Message will show on end of your guest check"},
          {"Font", ui::font::kSans10Bold},
          {"BackStyle", 0}}},
        {"txtNotes", {1800, 3960, 7575, 975}, kNote},
        {"txtENotes1", {1800, 5040, 7575, 975}, kNote},
    }};

}  // namespace

frmRegister0::frmRegister0() : WizardStep(2) {
    ui::applyDesign(*this, kDesign);
    datPritOut.bind(txtL1, "Line1");
    datPritOut.bind(txtL2, "Line2");
    datPritOut.bind(txtL3, "Line3");
    datPritOut.bind(txtNotes, "Notes");
    datPritOut.bind(txtENotes1, "Notes1");

    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
}

void frmRegister0::Form_Load() {
    WizardStep::Form_Load();
    datPritOut.setDatabaseName(os::programPath(settings::kMenuStore));
}

void frmRegister0::cmdClose_Click() { goBack(); }

// Only the empty text stands for a blank note; a note of spaces is kept as typed. Without a row
// to store them in, the dashes would only fail to be stored.
void frmRegister0::cmdNext_Click() {
    if (datPritOut.Recordset().bookmark()) {
        if (txtNotes.text().empty()) txtNotes.setText("-");
        if (txtENotes1.text().empty()) txtENotes1.setText("-");
    }
    goNext();
}

}  // namespace pelk::setup
