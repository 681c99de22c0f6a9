#include "reservations/frmCustmrTr.h"

#include <string>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "reservations/records.h"
#include "settings/common.h"

namespace pelk::reservations {

namespace {

constexpr const char* kByOrdersAscending = "SELECT * FROM tblCustmrTr ORDER BY szTimes_no";
constexpr const char* kByOrdersDescending = "SELECT * FROM tblCustmrTr ORDER BY szTimes_no DESC";
constexpr const char* kByTotalDescending = "SELECT * FROM tblCustmrTr ORDER BY szTotal DESC";
constexpr int kLightGreyDividers = 6;
constexpr int kVertical = 2;

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 10080}, {"Height", 6720}},
    {
        {"Label3",
         {240, 120, 5415, 555},
         {{"Caption", "Customers Order Frequency"},
          {"Font", ui::font::kComic18Bold},
          {"ForeColor", ui::color::kBlue},
          {"BackStyle", 0}}},
        {"Label7", {6240, 240, 1095, 255}, {{"Caption", "Renew day:"}, {"BackStyle", 0}}},
        {"lbldate", {7380, 240, 1335, 255}, {{"BackStyle", 0}, {"FontBold", true}}},
        {"lblToday", {8520, 240, 1335, 255}, {{"BackStyle", 0}, {"Alignment", ui::kRightJustify}}},
        // Read only: the tally is only ever read, sorted and cleared here.
        {"DBGrid1",
         {240, 1080, 8535, 4815},
         {{"AllowUpdate", false},
          {"AllowAddNew", false},
          {"AllowDelete", false},
          {"TabStop", false},
          {"ColumnHeaders", false},
          {"RecordSelectors", false},
          {"RowDividerStyle", kLightGreyDividers},
          {"ScrollBars", kVertical}}},
        // Each heading over its column; the ID column has none.
        {"Label2", {855, 780, 1455, 255}, {{"Caption", "Phone:"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"Label1", {2310, 780, 2055, 255}, {{"Caption", "Name:"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"Label4", {4365, 780, 1455, 255}, {{"Caption", "Order Frequency"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"Label5", {5820, 780, 1455, 255}, {{"Caption", "Total Amount"}, {"FontBold", true}, {"BackStyle", 0}}},
        // The pictures down the right edge.
        {"imgFrequency",
         {8940, 1080, 975, 1095},
         {{"ToolTipText", "Customer Orders Frequency"},
          {"Stretch", true},
          {"Picture", ui::picture("Customer Orders Frequency")}}},
        {"imgLagOrdr",
         {8940, 2280, 975, 1095},
         {{"ToolTipText", "Large Orders"}, {"Stretch", true}, {"Picture", ui::picture("Large Orders")}}},
        {"imgRenew",
         {8940, 3480, 975, 1095},
         {{"ToolTipText", "Renew"}, {"Stretch", true}, {"Picture", ui::picture("Renew")}}},
        {"imgExit",
         {8940, 5040, 975, 1095},
         {{"ToolTipText", "Back"}, {"Stretch", true}, {"Picture", ui::picture("Back")}}},
        {"Data1", {}, {{"Connect", "Access 2000;"}, {"RecordSource", kOrderTallyTable}, {"Visible", false}}},
    }};

}  // namespace

frmCustmrTr::frmCustmrTr() {
    ui::applyDesign(*this, kDesign);
    DBGrid1.setColumns({{"ID", "", 615, ""},
                        {"szPhone_no", "", 1455, ""},
                        {"szName_na", "", 2055, ""},
                        {"szTimes_no", "", 1455, ""},
                        {"szTotal", "", 1455, "Currency"},
                        {"szTotal", "", 1455, "Currency"}});
    DBGrid1.setDataSource(Data1);
    Data1.bind(lbldate, "szdate_da");

    imgFrequency.onClick([this] { imgFrequency_Click(); });
    imgLagOrdr.onClick([this] { imgLagOrdr_Click(); });
    imgRenew.onClick([this] { imgRenew_Click(); });
    imgExit.onClick([this] { imgExit_Click(); });
    Label3.onClick([this] { Label3_Click(); });
}

// The tally always lies in the program folder; the data control opens it once the load is done.
void frmCustmrTr::Form_Load() {
    settings::CentreForm(*this, 5);
    lblToday.setCaption(core::shortDate(core::clock::today()));
    Data1.setDatabaseName(os::programPath(kOrderTallyStore));
    Data1.setRecordSource(kByOrdersAscending);
}

void frmCustmrTr::sortBy(const char* source) {
    Data1.setRecordSource(source);
    if (db::Status read = Data1.Refresh(); !read) Data1.report(read.error());
}

void frmCustmrTr::imgFrequency_Click() { sortBy(kByOrdersDescending); }
void frmCustmrTr::imgLagOrdr_Click() { sortBy(kByTotalDescending); }

// Only a Yes to this screen's own question renews. The list comes back loaded afresh over the
// blank tally, with today as its renewal day; the blank tally has no row to keep that day in, so
// the label no longer writes to it.
void frmCustmrTr::imgRenew_Click() {
    settings::Renewal renewal;
    renewal.templateFile = kOrderTallyTemplate;
    renewal.liveFile = kOrderTallyStore;
    renewal.screen = this;
    if (!settings::RenewFromTemplate([this] { return settings::AskChoiceBox("3", imgRenew); }, renewal)) return;
    frmCustmrTr& renewed = ui::forms().get<frmCustmrTr>();
    renewed.Data1.unbind(renewed.lbldate);
    renewed.lbldate.setCaption(core::shortDate(core::clock::today()));
}

// The report hub is the reports', a later part: it is reached by name.
void frmCustmrTr::imgExit_Click() { settings::CloseToHub(*this, "frmBMReport"); }

void frmCustmrTr::Label3_Click() { Unload(); }

}  // namespace pelk::reservations
