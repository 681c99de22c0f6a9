#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace pelk::reports {

// The report panel: picture buttons in three columns (money in, profit and loss, money out) to the
// reports and lists of the back office, and the way back to the main and back-office panels. The
// screens it opens come back to it when they close.
class frmBMReport : public ui::Form {
public:
    frmBMReport();

    ui::Label Label1{this, "Label1"};
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Line Line1{this, "Line1"};
    ui::Line Line2{this, "Line2"};
    ui::Image ImgSalesRep{this, "ImgSalesRep"};
    ui::Image imgChkO{this, "imgChkO"};
    ui::Image imgReservList{this, "imgReservList"};
    ui::Image imgIncm{this, "imgIncm"};
    ui::CommandButton cmdFreqBuyer{this, "cmdFreqBuyer"};
    ui::CommandButton cmdRemv{this, "cmdRemv"};
    ui::Image imgReport{this, "imgReport"};
    ui::Image imgTime{this, "imgTime"};
    ui::CommandButton cmdMain{this, "cmdMain"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void ImgSalesRep_Click();
    void imgChkO_Click();
    void imgReservList_Click();
    void imgIncm_Click();
    void imgReport_Click();
    void imgTime_Click();
    void cmdFreqBuyer_Click();
    void cmdRemv_Click();
    void cmdMain_Click();
    void cmdClose_Click();

private:
    // Unloads the panel and shows the screen named, once that screen exists.
    void leaveFor(std::string_view name);
};

}  // namespace pelk::reports
