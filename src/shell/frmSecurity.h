#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The password-protection switches of the station: deleting lines of a recalled folio, and opening
// the drawer. The first switch's Tag is the room screen's one-time permission ("Allow").
class frmSecurity : public ui::Form {
public:
    frmSecurity();

    ui::Data datPW{this, "datPW"};
    ui::Data datcmdSet{this, "datcmdSet"};
    ui::Label Label1{this, "Label1"};
    ui::Label Label6{this, "Label6"};
    ui::CheckBox chkItmDelSec{this, "chkItmDelSec"};
    ui::Label Label7{this, "Label7"};
    ui::CheckBox chkecd{this, "chkecd"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void chkItmDelSec_Click();
    void chkecd_Click();
    void Label1_Click();
    void cmdClose_Click();
};

}  // namespace pelk::shell
