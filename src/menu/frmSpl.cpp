#include "menu/frmSpl.h"

#include <string>

#include "menu/frmBMenuSet.h"
#include "menu/stores.h"
#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::menu {

namespace {

constexpr ui::Color kBlue = 0xC00000;
constexpr ui::Color kGrey = 0xE0E0E0;

}  // namespace

frmSpl::frmSpl() {
    setCaption("");
    setMdiChild(true);
    setBorderStyle(0);
    setControlBox(false);
    setWidth(6390);
    setHeight(7425);

    for (ui::Data* d : {&datSpl, &datSplc}) {
        d->setConnect("Access 2000;");
        d->setVisible(false);
    }
    datSpl.setRecordSource("tbSPL");
    datSplc.setRecordSource("tbSPLC");

    Label3.setCaption("Special Request Editer");
    Label3.setForeColor(kBlue);
    Label3.setFontName("Comic Sans MS");
    Label3.setFontBold(true);
    Label3.setBackStyle(0);
    Label3.Move(240, 60, 3615, 375);

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

    // Its picture reads as the caption until the pictures ship.
    cmdClose.setCaption("Back");
    cmdClose.setStyle(1);
    cmdClose.setBackColor(kGrey);
    cmdClose.Move(4440, 6600, 1215, 615);
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
