#include "shell/frmBCEplop.h"

#include <tuple>

#include "settings/common.h"
#include "shell/frmEmploye.h"
#include "shell/frmMainButn.h"

namespace pelk::shell {

frmBCEplop::frmBCEplop() {
    setCaption("");
    setMdiChild(true);
    setWidth(7200);
    setHeight(4800);
    ImgEmplye.Move(2880, 960, 1365, 1185);
    ImgEmplye.setToolTipText("Employees");
    for (auto [button, caption, left] : {std::tuple{&cmdMain, "Main", 1200.0}, std::tuple{&cmdClose, "Back", 4320.0}}) {
        button->setStyle(1);
        // The word stands in the button's picture; until the pictures ship it is the caption.
        button->setCaption(caption);
        button->Move(left, 3360, 1635, 800);
    }
    ImgEmplye.onMouseDown([this] { settings::PressImageButton::MouseDown(ImgEmplye); });
    ImgEmplye.onMouseUp([this] { settings::PressImageButton::MouseUp<frmEmploye>(ImgEmplye, *this); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmBCEplop::Form_Load() {
    settings::CentreForm(*this, 5);
    ui::Form* main = ui::forms().find("frmMain");
    if (main && main->tag() == "Level 2") ImgEmplye.setVisible(false);
}

void frmBCEplop::cmdMain_Click() {
    Unload();
    ui::forms().get<frmMainButn>().Show();
}

void frmBCEplop::cmdClose_Click() {
    Unload();
    if (ui::forms().isRegistered("frmBOffice")) ui::forms().byName("frmBOffice").Show();
}

}  // namespace pelk::shell
