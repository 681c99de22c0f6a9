#include "settings/frmSetScreen.h"

#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"
#include "settings/stores.h"

namespace pelk::settings {

frmSetScreen::frmSetScreen() {
    setCaption("Screen Settings");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(8400);
    setHeight(3960);
    setBackColor(kScreenGreen);

    struct Row {
        ui::Label& label;
        ui::TextBox& box;
        const char* caption;
        const char* field;
        double top;
    };
    for (const Row& r :
         {Row{Label1, Text1, "Name:", "SetCpyName_bmp", 480}, Row{Label2, Text2, "Logo:", "SetLogo_bmp", 1080},
          Row{Label3, Text3, "Runging Msg:", "szMsg_run", 1680}}) {
        r.label.setCaption(r.caption);
        r.label.setBackStyle(0);
        r.label.setAlignment(ui::kRightJustify);
        r.label.Move(240, r.top + 60, 1575, 255);
        r.box.Move(1920, r.top, 6135, 375);
        Data1.bind(r.box, r.field);
    }
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(240, 2880, 1215, 735);

    Data1.setConnect("Access 2000;");
    Data1.setRecordSource("tbSet");
    Data1.setVisible(false);

    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The settings row of this station's program folder, whatever the data location.
void frmSetScreen::Form_Load() {
    CentreForm(*this, 4, false);
    Data1.setDatabaseName(os::programPath(kStationStore));
}

void frmSetScreen::cmdClose_Click() {
    Unload();
    ui::forms().get<frmBSfwSet>().Show();
}

}  // namespace pelk::settings
