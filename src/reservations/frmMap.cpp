#include "reservations/frmMap.h"

#include "settings/common.h"
#include "shell/frmMainButn.h"

namespace pelk::reservations {

frmMap::frmMap() {
    setMdiChild(true);
    setCaption("");
    setWidth(13035);
    setHeight(8715);
    setBackColor(settings::kScreenGreen);

    lblMode.Move(6720, 7320, 1215, 255);
    lblMode.setVisible(false);

    // The dates and their arrows stay hidden until the check-in or check-out road shows them.
    ui::Font dateFont{"MS Sans Serif", 12, true};
    lblDIn.setCaption("Ck In:");
    lblDIn.Move(840, 180, 915, 315);
    txtDateIn.Move(1800, 120, 1455, 405);
    txtDateIn.setFont(dateFont);
    cmdLess.setCaption("<");
    cmdLess.Move(3300, 120, 375, 405);
    cmdMore.setCaption(">");
    cmdMore.Move(3720, 120, 375, 405);
    lblDOut.setCaption("Ck out:");
    lblDOut.Move(9180, 180, 975, 315);
    txtDateOut.Move(10200, 120, 1455, 405);
    txtDateOut.setFont(dateFont);
    cmdOLess.setCaption("<");
    cmdOLess.Move(11700, 120, 375, 405);
    cmdOMore.setCaption(">");
    cmdOMore.Move(12120, 120, 375, 405);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&lblDIn, &txtDateIn, &cmdLess, &cmdMore, &lblDOut,
                                                              &txtDateOut, &cmdOLess, &cmdOMore})
        c->setVisible(false);

    cmdClose.setStyle(1);
    // The word stands in the button's picture; until the pictures ship it is the caption.
    cmdClose.setCaption("Close");
    cmdClose.Move(0, 7920, 1635, 800);
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmMap::Form_Load() { settings::CentreForm(*this, 5, false); }

// Entered from the main panel the map goes back to it; entered from the stay-date picker, to the
// picker, once the picker exists.
void frmMap::cmdClose_Click() {
    if (tag() == "Chk In" || tag() == "Chk Out")
        ui::forms().get<shell::frmMainButn>().Show();
    else if (ui::forms().isRegistered("frmChkDate"))
        ui::forms().byName("frmChkDate").Show();
    Unload();
}

}  // namespace pelk::reservations
