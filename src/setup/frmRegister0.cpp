#include "setup/frmRegister0.h"

#include "platform/os/paths.h"
#include "settings/stores.h"

namespace pelk::setup {

namespace {

void label(ui::Label& l, const char* text, double top) {
    l.setCaption(text);
    l.setFontName("MS Sans Serif");
    l.setFontSize(9.75);
    l.setFontBold(true);
    l.setBackStyle(0);
    l.Move(1800, top, 7575, 285);
}

void line(ui::TextBox& box, double size, double top, double height) {
    box.setFontName("MS Sans Serif");
    box.setFontSize(size);
    box.setFontBold(true);
    box.Move(1800, top, 7575, height);
}

}  // namespace

frmRegister0::frmRegister0() : WizardStep(2) {
    datPritOut.setConnect("Access 2000;");
    datPritOut.setRecordSource("tbSetInfor");
    datPritOut.setVisible(false);

    label(lbl1, "Enter your Company name:", 1440);
    line(txtL1, 18, 1740, 495);
    label(lbl2, "Address or phone number:", 2340);
    line(txtL2, 13.5, 2640, 405);
    line(txtL3, 13.5, 3090, 405);
    label(Label8, "Message will show on end of your guest check", 3660);
    for (ui::TextBox* note : {&txtNotes, &txtENotes1}) {
        note->setMultiLine(true);
        note->setFontName("MS Sans Serif");
        note->setFontSize(9.75);
    }
    txtNotes.Move(1800, 3960, 7575, 975);
    txtENotes1.Move(1800, 5040, 7575, 975);

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
