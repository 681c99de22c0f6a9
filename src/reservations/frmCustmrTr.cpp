#include "reservations/frmCustmrTr.h"

#include <string>
#include <tuple>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/os/paths.h"
#include "reservations/records.h"
#include "settings/common.h"

namespace pelk::reservations {

namespace {

constexpr const char* kByOrdersAscending = "SELECT * FROM tblCustmrTr ORDER BY szTimes_no";
constexpr const char* kByOrdersDescending = "SELECT * FROM tblCustmrTr ORDER BY szTimes_no DESC";
constexpr const char* kByTotalDescending = "SELECT * FROM tblCustmrTr ORDER BY szTotal DESC";
constexpr int kLightGreyDividers = 6;
constexpr int kVertical = 2;
constexpr ui::Color kBlue = 0xFF0000;

}  // namespace

frmCustmrTr::frmCustmrTr() {
    setCaption("");
    setMdiChild(true);
    setWidth(10080);
    setHeight(6720);

    Label3.setCaption("Customers Order Frequency");
    Label3.setFont({"Comic Sans MS", 18, true});
    Label3.setForeColor(kBlue);
    Label3.setBackStyle(0);
    Label3.Move(240, 120, 5415, 555);
    Label7.setCaption("Renew day:");
    Label7.setBackStyle(0);
    Label7.Move(6240, 240, 1095, 255);
    lbldate.setBackStyle(0);
    lbldate.setFontBold(true);
    lbldate.Move(7380, 240, 1335, 255);
    lblToday.setBackStyle(0);
    lblToday.setAlignment(ui::kRightJustify);
    lblToday.Move(8520, 240, 1335, 255);

    DBGrid1.setColumns({{"ID", "", 615, ""},
                        {"szPhone_no", "", 1455, ""},
                        {"szName_na", "", 2055, ""},
                        {"szTimes_no", "", 1455, ""},
                        {"szTotal", "", 1455, "Currency"},
                        {"szTotal", "", 1455, "Currency"}});
    // Read only: the tally is only ever read, sorted and cleared here.
    DBGrid1.setAllowUpdate(false);
    DBGrid1.setAllowAddNew(false);
    DBGrid1.setAllowDelete(false);
    DBGrid1.setTabStop(false);
    DBGrid1.setColumnHeaders(false);
    DBGrid1.setRecordSelectors(false);
    DBGrid1.setRowDividerStyle(kLightGreyDividers);
    DBGrid1.setScrollBars(kVertical);
    DBGrid1.Move(240, 1080, 8535, 4815);
    DBGrid1.setDataSource(Data1);
    // Each heading over its column; the ID column has none.
    for (auto [heading, caption, left, width] :
         {std::tuple{&Label2, "Phone:", 855.0, 1455.0}, std::tuple{&Label1, "Name:", 2310.0, 2055.0},
          std::tuple{&Label4, "Order Frequency", 4365.0, 1455.0},
          std::tuple{&Label5, "Total Amount", 5820.0, 1455.0}}) {
        heading->setCaption(caption);
        heading->setFontBold(true);
        heading->setBackStyle(0);
        heading->Move(left, 780, width, 255);
    }

    for (auto [picture, words, top] : {std::tuple{&imgFrequency, "Customer Orders Frequency", 1080.0},
                                       std::tuple{&imgLagOrdr, "Large Orders", 2280.0},
                                       std::tuple{&imgRenew, "Renew", 3480.0}, std::tuple{&imgExit, "Back", 5040.0}}) {
        picture->setToolTipText(words);
        picture->setStretch(true);
        picture->setPicture(ui::Picture::design(words));
        picture->Move(8940, top, 975, 1095);
    }

    Data1.setConnect("Access 2000;");
    Data1.setRecordSource(std::string(kOrderTallyTable));
    Data1.setVisible(false);
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
