#include "setup/frmRegister3.h"

#include "settings/common.h"

namespace pelk::setup {

frmRegister3::frmRegister3() {
    setCaption("Setup");
    setBorderStyle(3);
    setWidth(6015);
    setHeight(3000);
    lblStep.setCaption("Menu Sections");
    lblStep.setBackStyle(0);
    lblStep.Move(480, 480, 2895, 255);
}

void frmRegister3::Form_Load() { setBackColor(settings::kScreenGreen); }

}  // namespace pelk::setup
