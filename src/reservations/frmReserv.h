#pragma once

#include <memory>

#include "platform/sheet/sheet.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The reservation and checked-out lists: by its own Tag ("" the reservations arriving in a range of
// dates, "Check Out" the stays that left in it) one grid of the stays, edited in place, and their
// export to a new spreadsheet workbook. Opened from the report hub in either role and from the
// main window's menu; the role lasts while the screen stays loaded.
class frmReserv : public ui::Form {
public:
    frmReserv();

    ui::Label Label5{this, "Label5"};
    ui::Label Label25{this, "Label25"};
    ui::TextBox txtFrom{this, "txtFrom"};
    ui::Label Label26{this, "Label26"};
    ui::TextBox txtTo{this, "txtTo"};
    ui::CommandButton cmdSearch{this, "cmdSearch"};
    // Hidden: nothing of this screen reads them.
    ui::Label Label1{this, "Label1"};
    ui::TextBox txtSTime{this, "txtSTime"};
    ui::Label Label6{this, "Label6"};
    ui::TextBox txtETime{this, "txtETime"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::CommandButton cmdExcel{this, "cmdExcel"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::Data datReserv{this, "datReserv"};

    void Form_Load() override;
    void Form_Activate() override;
    void QueryReservationRange();
    void cmdSearch_Click();
    void cmdExcel_Click();
    void cmdClose_Click();

    // The export: the spreadsheet application attached or started (false, the clerk told, when
    // none can be), then a new workbook filled from the current row of the list on.
    bool MSExcelOpen();
    void ExcelLoadSales();

    // The spreadsheet application the last export used; kept for the next.
    std::shared_ptr<sheet::Application> goExcel;
};

}  // namespace pelk::reservations
