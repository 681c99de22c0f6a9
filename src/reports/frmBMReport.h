#pragma once

#include "platform/ui/ui.h"

namespace pelk::reports {

// The report hub: opens the time sheets and the reports, and is where they return to.
class frmBMReport : public ui::Form {
public:
    frmBMReport();

    ui::Image imgTime{this, "imgTime"};
    ui::Image imgIncm{this, "imgIncm"};
    ui::Image imgReport{this, "imgReport"};
    ui::Image imgReservList{this, "imgReservList"};
    ui::Image imgChkO{this, "imgChkO"};
    ui::CommandButton cmdMain{this, "cmdMain"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    // Hidden from the start; nothing makes it visible.
    ui::CommandButton cmdFreqBuyer{this, "cmdFreqBuyer"};

    void Form_Load() override;
    void imgTime_Click();
    void imgReservList_Click();
    void imgChkO_Click();
    void cmdMain_Click();
    void cmdClose_Click();
    void cmdFreqBuyer_Click();
};

}  // namespace pelk::reports
