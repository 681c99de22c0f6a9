#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The back-office panel: the door from the front desk to the four managers' hubs.
class frmBOffice : public ui::Form {
public:
    frmBOffice();

    ui::CommandButton cmdCustmr{this, "cmdCustmr"};
    ui::CommandButton cmdMenuSettin{this, "cmdMenuSettin"};
    ui::CommandButton cmdSfwSettin{this, "cmdSfwSettin"};
    ui::CommandButton cmdReports{this, "cmdReports"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
    void cmdCustmr_Click();
    void cmdMenuSettin_Click();
    void cmdSfwSettin_Click();
    void cmdReports_Click();
    void cmdClose_Click();
};

}  // namespace pelk::shell
