#include "menu/frmSpl.h"

#include <string>

#include "menu/frmBMenuSet.h"
#include "menu/stores.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::menu {

namespace {

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"BorderStyle", 0}, {"ControlBox", false}, {"Width", 6390}, {"Height", 7425}},
    {
        {"datSpl", {}, {{"RecordSource", "tbSPL"}, {"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datSplc", {}, {{"RecordSource", "tbSPLC"}, {"Connect", "Access 2000;"}, {"Visible", false}}},
        {"Label3",
         {240, 60, 3615, 375},
         {{"Caption", "Special Request Editer"},
          {"ForeColor", ui::color::kDarkBlue},
          {"Font", ui::font::kComic8Bold},
          {"BackStyle", 0}}},
        // Its picture reads as the caption until the pictures ship.
        {"cmdClose",
         {4440, 6600, 1215, 615},
         {{"Caption", "Back"}, {"Style", 1}, {"BackColor", ui::color::kLightGrey}}},
    }};

}  // namespace

frmSpl::frmSpl() {
    ui::applyDesign(*this, kDesign);
    // Pair k holds fields 5k + 1 to 5k + 5: the first language above, the second below; the tab
    // order runs through the first language's fifty, then the second's.
    for (int n = 1; n <= kBoxes; ++n) {
        int pair = (n - 1) / 10, column = (n - 1) % 5;
        bool second = secondLanguage(n);
        int field = pair * 5 + column + 1;
        auto box = std::make_unique<ui::TextBox>(this, "Text" + std::to_string(n));
        box->Move(240 + column * 1200, (second ? 720 : 480) + pair * 600, 975, 285);
        box->setTabIndex(field - 1 + (second ? kSpecialRequests : 0));
        (second ? datSplc : datSpl).bind(*box, std::to_string(field));
        boxes_.push_back(std::move(box));
    }

    cmdClose.onClick([this] { cmdClose_Click(); });
}

// Whether the second language's rows show is decided once, here.
void frmSpl::Form_Load() {
    settings::CentreForm(*this, 5);
    datSpl.setDatabaseName(os::programPath(kSpecialRequestStore));
    datSplc.setDatabaseName(os::programPath(kSpecialRequestStore));
    settings::frmInfor& holder = ui::forms().get<settings::frmInfor>();
    if (holder.chkEtoC.value() == 0)
        for (int n = 1; n <= kBoxes; ++n)
            if (secondLanguage(n)) TextBox(n).setVisible(false);
}

void frmSpl::cmdClose_Click() { settings::CloseToHub<frmBMenuSet>(*this); }

}  // namespace pelk::menu
