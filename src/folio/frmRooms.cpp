#include "folio/frmRooms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "folio/frmFrontDeskMsg.h"
#include "folio/receipt.h"
#include "folio/stores.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
#include "platform/db/quoting.h"
#include "platform/db/unit_of_work.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/design.h"
#include "reservations/frmMap.h"
#include "reservations/records.h"
#include "reservations/rooms.h"
#include "settings/amounts.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/frmReset.h"
#include "settings/stores.h"
#include "settings/tax.h"
#include "shell/frmMainButn.h"
#include "shell/frmSecurity.h"
#include "shell/stores.h"

namespace pelk::folio {

namespace {

constexpr std::string_view kRateFormat = "#,##0.00";

std::optional<core::Money> amountOf(std::string_view text) { return core::Money::parse(text); }

std::string formatted(core::Money m) { return core::format(m, core::kAmountFormat); }

// A vertical scroll bar and the grid's edges, which the folio grid's columns leave room for.
constexpr double kScrollBarRoom = 330;

// A box written as its whole amount formatted; a text that is no amount stays as it is.
void formatBox(ui::TextBox& box) {
    if (auto m = amountOf(box.text())) box.setText(formatted(*m));
}

}  // namespace

namespace {

const std::initializer_list<ui::DesignProperty> kBox = {{"Font", ui::font::kSans10}};
// The amounts stand right-aligned in one column.
const std::initializer_list<ui::DesignProperty> kAmount = {
    {"Font", ui::font::kSans10}, {"Alignment", ui::kRightJustify}, {"Text", "0.00"}};
const std::initializer_list<ui::DesignProperty> kStore = {{"Connect", "Access 2000;"}, {"Visible", false}};

const ui::FormDesign kDesign{
    {{"MDIChild", true},
     {"Caption", "Rooms"},
     {"Width", 13200},
     {"Height", 8700},
     {"BackColor", ui::color::kLightGreen}},
    {
        // The stay: two rows across the top.
        {"lblRoom", {120, 165, 555, 255}, {{"Caption", "Room"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtRoom", {720, 120, 855, 345}, kBox},
        {"lblDateIn",
         {1680, 165, 735, 255},
         {{"Caption", "Date In"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtDateIn", {2430, 120, 1335, 345}, kBox},
        {"lblDateOut", {3870, 165, 435, 255}, {{"Caption", "Out"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtDateOut", {4320, 120, 1335, 345}, kBox},
        {"cmdChngRm", {5760, 90, 855, 405}, {{"Caption", "Chg Rm"}}},
        {"lblDate", {120, 645, 555, 255}, {{"Caption", "Date:"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtDate", {720, 600, 855, 345}, kBox},
        {"lblGuest", {1680, 645, 735, 255}, {{"Caption", "Guest:"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtGuest", {2430, 600, 615, 345}, kBox},
        {"lblRate", {3150, 645, 555, 255}, {{"Caption", "Rate:"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtRate", {3720, 600, 1335, 345}, {{"Font", ui::font::kSans10}, {"Alignment", ui::kRightJustify}}},
        // The guest's and the identification's fields are laid out in their frames by the
        // constructor.
        {"fraGuest",
         {120, 1080, 6495, 2295},
         {{"Caption", "Guest Information"}, {"BackColor", ui::color::kLightGreen}, {"Font", ui::font::kDialogBold}}},
        {"fraID",
         {120, 3420, 6495, 2955},
         {{"Caption", "Identification Information"},
          {"BackColor", ui::color::kLightGreen},
          {"Font", ui::font::kDialogBold}}},
        {"fraRemark",
         {120, 6420, 6495, 1095},
         {{"Caption", "Remark"}, {"BackColor", ui::color::kLightGreen}, {"Font", ui::font::kDialogBold}}},
        {"txtRemark", {120, 240, 6255, 735}, {{"Container", "fraRemark"}}},
        // The clerk: the code is masked once the look-up has run.
        {"lblWaiter",
         {120, 7665, 855, 255},
         {{"Caption", "Clerk ID"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtWaiter", {1020, 7620, 1095, 345}, kBox},
        {"ImgID", {2160, 7590, 405, 405}, {{"BorderStyle", 1}, {"ToolTipText", "Clear"}}},
        {"lblID", {2640, 7665, 1935, 285}, {{"BackStyle", 0}, {"Font", ui::font::kSans10Bold}}},
        {"lblAskfor", {4680, 7680, 975, 255}, {{"BackStyle", 0}, {"Font", ui::font::kSans7}}},
        // The folio: its number, the grid, the totals.
        {"lblChk", {6840, 165, 255, 285}, {{"Caption", "#"}, {"BackStyle", 0}, {"Font", ui::font::kSans12Bold}}},
        {"cmbRept", {7140, 120, 1575, 345}, kBox},
        {"cmdT", {8760, 90, 405, 405}},
        {"grdOrderItems", {6840, 600, 6240, 3615}, {{"Cols", 4}, {"FixedCols", 0}, {"FixedRows", 1}, {"Rows", 2}}},
        // The amounts in one column on the right, their labels before them.
        {"txtTotal", {10920, 4320, 2160, 345}, kAmount},
        {"lblTax", {9240, 4785, 555, 255}, {{"Caption", "Tax:"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtDITax2", {9840, 4740, 1035, 345}, kAmount},
        {"txtDITax1", {10920, 4740, 2160, 345}, kAmount},
        {"lblEnding",
         {9840, 5205, 1035, 255},
         {{"Caption", "Total:"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtEnding",
         {10920, 5160, 2160, 345},
         {{"Font", ui::font::kSans10}, {"Alignment", ui::kRightJustify}, {"Text", "000.00"}}},
        {"txtGet",
         {10920, 5580, 2160, 345},
         {{"Font", ui::font::kSans10}, {"ToolTipText", "Tender"}, {"Alignment", ui::kRightJustify}}},
        {"lblReturn",
         {9840, 6045, 1035, 255},
         {{"Caption", "Change:"}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"txtReturn", {10920, 6000, 2160, 345}, kAmount},
        {"txtCoupon",
         {10920, 6420, 2160, 345},
         {{"Font", ui::font::kSans10}, {"ToolTipText", "Coupon"}, {"Alignment", ui::kRightJustify}}},
        {"lblScrn", {6840, 4320, 615, 285}, {{"BackStyle", 0}}},
        {"lblList", {6840, 4680, 2295, 285}, {{"BackStyle", 0}}},
        {"txtQty", {6840, 5040, 555, 345}, {{"Font", ui::font::kSans10}, {"Visible", false}}},
        {"txtPercent", {8040, 5040, 555, 345}, {{"Font", ui::font::kSans10}, {"Visible", false}}},
        {"cmdQty", {7440, 5040, 555, 375}, {{"Caption", "Qty"}}},
        {"cmdPercent", {8640, 5040, 435, 375}, {{"Caption", "%"}}},
        {"cmdAsk", {6840, 5460, 555, 375}, {{"Caption", "Ask"}}},
        {"cmdMainM", {7440, 5460, 555, 375}, {{"Caption", "Main"}}},
        {"cmdSp", {8040, 5460, 555, 375}, {{"Caption", "Notes"}}},
        {"cmdLast", {6840, 5880, 435, 375}, {{"Caption", "<"}}},
        {"cmdNext", {7320, 5880, 435, 375}, {{"Caption", ">"}}},
        {"datPW", {}, kStore},
        {"datList", {}, kStore},
        {"datMain", {}, kStore},
        {"datOrders", {}, kStore},
        {"datDetail", {}, kStore},
        {"datEmployees", {}, kStore},
        {"datTable", {}, kStore},
        {"datVRoom", {}, kStore},
        {"datZuChkO", {}, kStore},
    }};

}  // namespace

frmRooms::frmRooms() {
    ui::applyDesign(*this, kDesign);

    // The guest and the identification: label over box, three to a row.
    struct Field {
        ui::Label& label;
        const char* caption;
        ui::Control& box;
        double left, top, width;
    };
    auto place = [](ui::Frame& frame, std::initializer_list<Field> fields) {
        for (const Field& f : fields) {
            f.label.setContainer(frame);
            f.label.setCaption(f.caption);
            f.label.Move(f.left, f.top + 45, f.width, 255);
            f.label.setBackStyle(0);
            f.label.setFont(ui::font::kDialogBold.font());
            f.box.setContainer(frame);
            f.box.Move(f.left, f.top + 300, f.width, 345);
            f.box.setFont(ui::font::kSans10.font());
        }
    };
    place(fraGuest, {{lblLastN, "Last Name", txtLastN, 120, 240, 2055},
                     {lblFirstN, "First Name", txtFirstN, 2280, 240, 2055},
                     {lblPhone, "Phone", txtPhone, 4440, 240, 1935},
                     {lblAdds, "Address", txtAdds, 120, 900, 4215},
                     {lblBD, "BD", txtBD, 4440, 900, 1935},
                     {lblCity, "City", txtCity, 120, 1560, 2055},
                     {lblState, "State", txtState, 2280, 1560, 615},
                     {lblZip, "Zip", txtZip, 3000, 1560, 1335},
                     {lblCountry, "Country", txtCountry, 4440, 1560, 1935}});
    place(fraID, {{lblIDtype, "ID Type", cmbIDtype, 120, 240, 2055},
                  {lblIDnu, "ID Number", txtIDnu, 2280, 240, 2055},
                  {lblIDExp, "Expire Date", txtIDExp, 4440, 240, 1935},
                  {lblIDstate, "ID State", txtIDstate, 120, 900, 2055},
                  {lblIDcountry, "ID Country", txtIDcountry, 2280, 900, 2055},
                  {lblLicensePlate, "License Plate", txtLicensePlate, 4440, 900, 1935},
                  {lblLstate, "State", txtLstate, 120, 1560, 2055},
                  {lblColor, "Color", txtColor, 2280, 1560, 2055},
                  {lblMake, "Make", cmbMake, 4440, 1560, 1935},
                  {lblModel, "Model", txtModel, 120, 2220, 2055},
                  {lblYrs, "Year", cmbYrs, 2280, 2220, 2055}});

    // The folio's buttons, two rows of four under the amounts.
    int at = 0;
    for (auto [button, caption] : {std::pair{&cmdAddto, "Add to Invoice"}, std::pair{&cmdSave, "Chk In/ Update"},
                                   std::pair{&cmdPrintRce, "Print to Front"}, std::pair{&cmdPost, "Check Out"},
                                   std::pair{&cmdTenerRec, "Tender"}, std::pair{&cmdSplit, "Split"},
                                   std::pair{&cmdPrint, "Print"}, std::pair{&cmdClose, "Close"}}) {
        button->setCaption(caption);
        button->Move(6840 + (at % 4) * 1560, 6900 + (at / 4) * 780, 1500, 705);
        button->setFont(ui::font::kSans10Bold.font());
        ++at;
    }

    txtWaiter.onChange([this] { txtWaiter_Change(); });
    txtWaiter.onClick([this] { txtWaiter_Click(); });
    ImgID.onClick([this] { ImgID_Click(); });
    cmdChngRm.onClick([this] { cmdChngRm_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdAddto.onClick([this] { cmdAddto_Click(); });
    txtTotal.onChange([this] { txtTotal_Change(); });
    txtDITax1.onChange([this] { txtDITax1_Change(); });
    txtEnding.onChange([this] { txtEnding_Change(); });
    txtReturn.onChange([this] { txtReturn_Change(); });
    txtGet.onChange([this] { txtGet_Change(); });
    txtCoupon.onChange([this] { txtCoupon_Change(); });
    txtGet.onClick([this] { txtGet_Click(); });
    cmdSave.onClick([this] { cmdSave_Click(); });
    cmdPrint.onClick([this] { cmdPrint_Click(); });
    cmdPrintRce.onClick([this] { (void)cmdPrintRce_Click(); });
    cmdPost.onClick([this] { cmdPost_Click(); });
    setUpRoomService();
}

std::string frmRooms::orderBookFile() const {
    return std::string(cmdT.caption().empty() ? kOrderBook : kTrainingOrderBook);
}

void frmRooms::Form_Load() {
    settings::CentreForm(*this, 5, false);
    cmdLast.setVisible(false);
    cmdNext.setVisible(false);
    txtDITax2.setVisible(settings::secondTaxApplies());

    // The training mark shows only when it marks something: a blank button beside the folio
    // number would be a target that does nothing.
    if (ui::forms().get<settings::frmReset>().txtDisplay.text() == "Check Book") {
        cmdT.setCaption("");
        lblChk.setCaption("#");
    } else {
        cmdT.setCaption("T");
        lblChk.setCaption("T");
    }
    cmdT.setVisible(!cmdT.caption().empty());

    datPW.setDatabaseName(os::programPath(settings::kStationStore));
    datPW.setRecordSource("tabPword");
    datList.setDatabaseName(os::programPath(settings::kMenuStore));
    datList.setRecordSource("tbAppetizer");
    datMain.setDatabaseName(os::programPath(settings::kMenuStore));
    datMain.setRecordSource("tbSetMain");
    if (db::Status read = datMain.Refresh(); !read) datMain.report(read.error());

    datOrders.setDatabaseName(settings::ResolveDataPath(orderBookFile()));
    datOrders.setRecordSource(std::string(kHeaderTable));
    datDetail.setDatabaseName(settings::ResolveDataPath(orderBookFile()));
    datDetail.setRecordSource(std::string(kLineTable));
    datEmployees.setDatabaseName(settings::ResolveDataPath(shell::kEmployeeStore));
    datEmployees.setRecordSource(std::string(shell::kEmployeeTable));
    datTable.setDatabaseName(settings::ResolveDataPath(shell::kOpenFolioStore));
    datTable.setRecordSource("SELECT * FROM tbTable ");
    datVRoom.setDatabaseName(settings::ResolveDataPath(reservations::kReservationStore));
    datVRoom.setRecordSource(std::string(reservations::kReservationTable));
    datZuChkO.setDatabaseName(settings::ResolveDataPath(reservations::kCheckedOutStore));
    datZuChkO.setRecordSource(std::string(reservations::kReservationTable));

    // A card approved while a station was stopping reaches its folio before anyone works on it.
    settlePendingCardPayments();

    cmdMainM.setTag("Main");
    DrawSectionButtons();
    ResetFolioGrid();
    FillIdAndCarLists();
}

// Each step on its own: a box that holds no number or no date leaves what it feeds as it was.
void frmRooms::Form_Activate() {
    if (auto rate = amountOf(txtRate.text())) txtRate.setText(core::format(*rate, kRateFormat));
    auto in = core::parseDate(txtDateIn.text());
    auto out = core::parseDate(txtDateOut.text());
    if (in && out) txtDate.setText(std::to_string(core::daysBetween(*in, *out)));
    if (cmbRept.tag() == "OldNum") txtGet_Click();
}

void frmRooms::FillIdAndCarLists() {
    for (const char* type : {"Driver License", "Student ID", "Passport", "Green Card", "Foreign ID"})
        cmbIDtype.AddItem(type);
    for (int year = core::clock::today().year; year >= 1985; --year) cmbYrs.AddItem(std::to_string(year));
}

// Codes have four characters or more and start with a number of at least 1; the name of the last
// clerk found stays until another is found.
void frmRooms::txtWaiter_Change() {
    txtWaiter.setPasswordChar("*");
    const std::string code = txtWaiter.text();
    if (code.size() < 4) return;
    if (core::val(code) < 1) return;
    ui::DataRecordset& clerks = datEmployees.Recordset();
    if (!clerks.isOpen()) {
        if (db::Status opened = datEmployees.Refresh(); !opened) return;
    }
    if (db::Status found = clerks.FindFirst("szID_no =" + db::quote(code)); !found || clerks.noMatch()) return;
    auto name = clerks.field("sFirst_nm");
    if (name) lblID.setCaption(name->toText());
}

void frmRooms::txtWaiter_Click() { txtWaiter.setText(""); }

void frmRooms::ImgID_Click() { txtWaiter.setText(""); }

void frmRooms::AskForClerkId() {
    txtWaiter.SetFocus();
    ui::MsgBox("Please Enter Your ID", ui::kCritical);
    txtWaiter_Click();
}

// The clerk types the new room into the box; the guest's reservation takes it at the next save.
void frmRooms::cmdChngRm_Click() {
    txtRoom.SetFocus();
    txtRoom.setBackColor(ui::color::kRed);
}

// Charges or payments not stored yet are not thrown away without a word.
void frmRooms::cmdClose_Click() {
    if (hasUnsavedChanges()) {
        ui::MsgBoxResult answer = ui::MsgBox("Save the changes to this folio?", ui::kYesNoCancel | ui::kQuestion);
        if (answer == ui::MsgBoxResult::Cancel) return;
        if (answer == ui::MsgBoxResult::Yes) {
            cmdSave_Click();
            return;
        }
    }
    Unload();
}

bool frmRooms::hasUnsavedChanges() const {
    std::vector<db::Bookmark> onGrid;
    for (int r = 2; r < grdOrderItems.rows(); ++r) {
        if (grdOrderItems.rowData(r) == 0) return true;
        onGrid.push_back(grdOrderItems.rowData(r));
    }
    for (const StoredLine& l : storedLines_)
        if (std::find(onGrid.begin(), onGrid.end(), l.id) == onGrid.end()) return true;
    for (auto [box, stored] : {std::pair{&txtGet, receivedStored_}, std::pair{&txtCoupon, couponStored_}}) {
        if (box->text().empty()) continue;
        auto shown = core::readAmount(box->text());
        if (!shown || *shown != stored) return true;
    }
    return false;
}

// ---- The folio grid and its totals ----

void frmRooms::ResetFolioGrid() {
    // The columns share the room beside the grid's scroll bar, so the last one is never cut.
    double width = grdOrderItems.width() - kScrollBarRoom;
    int column = 0;
    for (double share : {0.07, 0.69, 0.18, 0.06}) grdOrderItems.setColWidth(column++, std::round(width * share));
    // The header row's blank cell is current, so the grid's text is empty until a line is clicked.
    grdOrderItems.setColSel(0);
    grdOrderItems.setRow(0);
    for (int c : {0, 1, 2}) grdOrderItems.setCol(c);
    txtTotal.setText("0.00");
    txtDITax1.setText("0.00");
    if (txtDITax2.visible()) txtDITax2.setText("0.00");
    txtEnding.setText("0.00");
}

// An empty rate or nights box counts as 0 (the line then charges 0.00); one that is not wholly an
// amount, or a charge too large for the books, posts nothing.
void frmRooms::cmdAddto_Click() {
    auto rate = settings::readAmountBox(txtRate.text(), "The rate");
    if (!rate) return;
    auto nights = settings::readAmountBox(txtDate.text(), "The number of nights");
    if (!nights) return;
    auto charge = core::checkedMul(*rate, *nights);
    auto subtotal =
        charge ? core::checkedAdd(amountOf(txtTotal.text()).value_or(core::Money{}), charge->rounded(2)) : std::nullopt;
    if (!subtotal) {
        settings::tellTooLarge("The room charge");
        return;
    }
    grdOrderItems.AddItem(txtDate.text() + "\t" + "Room Charge " + txtRoom.text() + "\t" +
                          core::format(charge->rounded(2), kRateFormat) + "\t" + lblScrn.caption());
    txtTotal.setText(subtotal->toPlainText());
}

// The rates are read anew each time, so a change on the store settings screen counts at once.
void frmRooms::txtTotal_Change() {
    settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
    settings::TaxRate rate1 = settings::taxRateOf(store.txtTOTax1.text());
    settings::TaxRate rate2 = settings::taxRateOf(store.txtTOTax2.text());
    txtTotal.setAlignment(ui::kRightJustify);
    auto subtotal = amountOf(txtTotal.text());
    if (!subtotal) return;
    txtTotal.setText(formatted(*subtotal));
    settings::Taxes taxes = settings::taxesOn(*subtotal, rate1, rate2, txtDITax2.visible());
    txtDITax1.setText(formatted(taxes.tax1));
    txtEnding.setText((*subtotal + taxes.tax1).toPlainText());
    if (txtDITax2.visible()) {
        txtDITax2.setText(formatted(taxes.tax2));
        txtEnding.setText(taxes.total.toPlainText());
    }
    txtEnding.setText(formatted(taxes.total));
}

void frmRooms::txtDITax1_Change() { formatBox(txtDITax1); }

// A payment already taken is set against the new total at once.
void frmRooms::txtEnding_Change() {
    formatBox(txtEnding);
    if (!txtGet.text().empty()) computeChange();
}

void frmRooms::txtReturn_Change() { formatBox(txtReturn); }

void frmRooms::txtGet_Change() { computeChange(); }

void frmRooms::txtCoupon_Change() {
    if (!txtGet.text().empty()) computeChange();
}

// A received amount or total that is no amount leaves the change as it was.
void frmRooms::computeChange() {
    auto received = amountOf(txtGet.text());
    auto total = amountOf(txtEnding.text());
    if (!received || !total) return;
    core::Money change = *received - *total;
    if (!txtCoupon.text().empty()) change += amountOf(txtCoupon.text()).value_or(core::Money{});
    txtReturn.setText(formatted(change));
}

// ---- Saving and recalling the folio ----

namespace {

constexpr std::string_view kGuestsByName = "SELECT * FROM tblReserv ORDER BY sLast_na ASC";

// A box's text as a field takes it: a box left empty stores nothing.
core::Value textOrNull(const std::string& text) { return text.empty() ? core::Value{} : core::Value{text}; }

// An amount as the boxes and cells show it; a field never written reads as nothing.
std::string shownAmount(const core::Value& v, std::string_view whenNone) {
    if (v.isNull()) return std::string(whenNone);
    return formatted(v.toMoney());
}

core::Money storedAmount(const core::Value& v) { return v.isNull() ? core::Money{} : v.toMoney(); }

// What the guest has paid on the folio, cash and card alike: the received box and every printout
// show it, so a folio paid by card shows no balance.
core::Money receivedOn(const StoredFolio& folio) {
    return core::checkedAdd(storedAmount(folio.receive), storedAmount(folio.card))
        .value_or(storedAmount(folio.receive));
}

std::string lineText(const StoredLine& l) {
    return l.qty.toText() + "\t" + l.text.toText() + "\t" + shownAmount(l.price, "");
}

}  // namespace

OrderBook frmRooms::orderBook() const { return OrderBook(datOrders.databaseName(), datTable.databaseName()); }

std::optional<FolioChange> frmRooms::folioChange() {
    FolioChange c;
    c.number = cmbRept.text();
    c.room = txtRoom.text();
    c.dateIn = txtDateIn.text();
    c.clerkId = txtWaiter.text();
    c.clerkName = lblID.caption();
    addedRows_.clear();
    std::vector<db::Bookmark> kept;
    for (int r = 2; r < grdOrderItems.rows(); ++r) {
        NewLine line{grdOrderItems.textMatrix(r, 0), grdOrderItems.textMatrix(r, 1), grdOrderItems.textMatrix(r, 2)};
        db::Bookmark id = grdOrderItems.rowData(r);
        if (id != 0) {
            // A stored line the screen has rewritten (a repeated item merged into it) is stored
            // anew in its place.
            auto stored =
                std::find_if(storedLines_.begin(), storedLines_.end(), [&](const StoredLine& l) { return l.id == id; });
            if (stored != storedLines_.end()) {
                auto shown = core::Money::parse(line.price);
                bool samePrice =
                    stored->price.isNull() ? line.price.empty() : shown && *shown == stored->price.toMoney();
                if (samePrice && stored->qty.toText() == line.qty && stored->text.toText() == line.text) {
                    kept.push_back(id);
                    continue;
                }
            }
        }
        c.added.push_back(std::move(line));
        addedRows_.push_back(r);
    }
    for (const StoredLine& l : storedLines_)
        if (std::find(kept.begin(), kept.end(), l.id) == kept.end()) c.removed.push_back(l);

    // Payments count from what this screen last read or stored: another station's payment
    // meanwhile is added to, never written over.
    for (auto [box, what, stored, into] : {std::tuple{&txtGet, "The amount received", receivedStored_, &c.received},
                                           std::tuple{&txtCoupon, "The coupon", couponStored_, &c.coupon}}) {
        if (box->text().empty()) continue;
        auto shown = settings::readAmountBox(box->text(), what);
        if (!shown) return std::nullopt;
        auto taken = core::checkedSub(*shown, stored);
        if (!taken) {
            settings::tellTooLarge(what);
            return std::nullopt;
        }
        *into = *taken;
    }
    return c;
}

void frmRooms::changeStored(const SaveOutcome& out) {
    for (std::size_t k = 0; k < addedRows_.size() && k < out.addedIds.size(); ++k)
        if (addedRows_[k] < grdOrderItems.rows()) grdOrderItems.setRowData(addedRows_[k], out.addedIds[k]);
    addedRows_.clear();
    if (cmbRept.text() != out.number) {
        cmbRept.setText(out.number);
        headerAdded_ = true;
    }
    // Lines another station stored meanwhile come onto the grid with the totals they make.
    std::vector<db::Bookmark> shown;
    for (int r = 2; r < grdOrderItems.rows(); ++r) shown.push_back(grdOrderItems.rowData(r));
    std::vector<db::Bookmark> stored;
    for (const StoredLine& l : out.folio.lines) stored.push_back(l.id);
    std::sort(shown.begin(), shown.end());
    std::sort(stored.begin(), stored.end());
    if (shown != stored) {
        int row = grdOrderItems.row(), col = grdOrderItems.col();
        showStoredFolio(out.folio);
        grdOrderItems.setRow(std::min(row, grdOrderItems.rows() - 1));
        grdOrderItems.setCol(col);
    }
    storedLines_ = out.folio.lines;
    // The boxes show what the order book bills, so the printout agrees with it.
    if (storedAmount(out.folio.subTotal) != amountOf(txtTotal.text()).value_or(core::Money{}) ||
        storedAmount(out.folio.total) != amountOf(txtEnding.text()).value_or(core::Money{})) {
        txtTotal.setText(shownAmount(out.folio.subTotal, "0.00"));
        txtDITax1.setText(shownAmount(out.folio.tax, "0.00"));
        txtEnding.setText(shownAmount(out.folio.total, "0.00"));
    }
    core::Money received = receivedOn(out.folio);
    if (!txtGet.text().empty() || received != core::Money{}) {
        auto onScreen = core::readAmount(txtGet.text());
        if (!onScreen || *onScreen != received) txtGet.setText(formatted(received));
    }
    receivedStored_ = received;
    couponStored_ = core::readAmount(txtCoupon.text()).value_or(core::Money{});
}

void frmRooms::showStoredFolio(const StoredFolio& folio) {
    grdOrderItems.setRedraw(false);
    grdOrderItems.setRows(2);
    for (int c = 0; c < grdOrderItems.cols(); ++c) grdOrderItems.setTextMatrix(1, c, "");
    for (const StoredLine& l : folio.lines) {
        grdOrderItems.AddItem(lineText(l));
        grdOrderItems.setRowData(grdOrderItems.rows() - 1, l.id);
    }
    grdOrderItems.setRedraw(true);
    grdOrderItems.setRow(0);
    grdOrderItems.setCol(2);
    txtTotal.setText(shownAmount(folio.subTotal, "0.00"));
    txtDITax1.setText(shownAmount(folio.tax, "0.00"));
    txtEnding.setText(shownAmount(folio.total, "0.00"));
    core::Money received = receivedOn(folio);
    txtGet.setText(received != core::Money{} ? formatted(received) : "");
    txtCoupon.setText("");
    storedLines_ = folio.lines;
    receivedStored_ = received;
    couponStored_ = core::Money{};
}

void frmRooms::folioChangedElsewhere() {
    if (auto folio = orderBook().recall(cmbRept.text()); folio && folio->hasHeader) showStoredFolio(*folio);
    ui::MsgBox(
        "This folio was changed at another station and has been loaded again. Please check it and enter your "
        "change again.",
        ui::kExclamation);
}

bool frmRooms::toldNotSaved(const SaveOutcome& out) {
    switch (out.result) {
        case SaveResult::Saved:
            return false;
        case SaveResult::NotFound:
            ui::MsgBox("This folio was not found in the order book; nothing was saved.", ui::kExclamation);
            return true;
        case SaveResult::Changed:
            folioChangedElsewhere();
            return true;
        case SaveResult::TooLarge:
            settings::tellTooLarge("The folio's total");
            return true;
    }
    return true;
}

// A save the stores refuse stores nothing and leaves the screen as it was, so the clerk can try
// again; the folio's stored lines are never lost to a half-done save.
void frmRooms::cmdSave_Click() {
    int row = grdOrderItems.row(), col = grdOrderItems.col();
    auto change = folioChange();
    if (!change) return;
    OrderBook book = orderBook();
    db::UnitOfWork work;
    db::Status saved = work.begin({book.book(), book.openFolios(), datVRoom.databaseName()});
    std::optional<SaveOutcome> out;
    if (saved) {
        auto r = book.save(*change);
        if (r)
            out = std::move(*r);
        else
            saved = r.error();
    }
    bool stored = saved && out->result == SaveResult::Saved;
    if (stored) saved = UpdateGuestRecord();
    if (stored && saved) saved = work.commit();
    if (!stored || !saved) {
        work.rollback();
        grdOrderItems.setRow(row);
        grdOrderItems.setCol(col);
        if (!saved)
            ui::MsgBox("The folio was not saved: " + saved.error().message(), ui::kCritical);
        else
            (void)toldNotSaved(*out);
        return;
    }
    changeStored(*out);

    Unload();
    if (ui::forms().isLoaded("frmMap")) ui::forms().get<reservations::frmMap>().Unload();
    ui::forms().get<shell::frmMainButn>().Show();
}

std::optional<PendingCard> frmRooms::beginCardPayment(core::Money amount, const std::string& cardType,
                                                      const std::string& folder, std::string* why) {
    auto change = folioChange();
    if (!change) {
        if (why) why->clear();
        return std::nullopt;
    }
    auto pending = orderBook().beginCard(*change, amount, cardType, folder);
    if (!pending) {
        if (why) *why = pending.error().message();
        return std::nullopt;
    }
    if (cmbRept.text() != pending->number) {
        cmbRept.setText(pending->number);
        headerAdded_ = true;
    }
    return *pending;
}

void frmRooms::cardPaymentPosted(core::Money amount) {
    core::Money shown = core::readAmount(txtGet.text()).value_or(core::Money{});
    auto received = core::checkedAdd(shown, amount);
    auto stored = core::checkedAdd(receivedStored_, amount);
    if (!received || !stored) return;
    receivedStored_ = *stored;
    txtGet.setText(formatted(*received));
    txtGet.setVisible(true);
}

// Only a folio reopened from the map and not loaded yet is recalled, and only onto a grid whose
// current cell is still the blank one the reset left. Header, lines and the room's open folio are
// read as one stored state.
void frmRooms::txtGet_Click() {
    if (cmbRept.tag() != "OldNum") return;
    std::string n = cmbRept.text();
    if (grdOrderItems.text().empty() && !n.empty()) {
        auto folio = orderBook().recall(n);
        // A book that cannot be read now (another station holding it too long) is no missing
        // header: the folio keeps its number and mark, and a later click tries again.
        if (!folio) {
            ui::MsgBox("The folio could not be read: " + folio.error().message(), ui::kExclamation);
            return;
        }
        if (folio->hasHeader) {
            if (txtEnding.text() == "0.00") {
                txtTotal.setText(shownAmount(folio->subTotal, "0.00"));
                txtDITax1.setText(shownAmount(folio->tax, "0.00"));
                txtEnding.setText(shownAmount(folio->total, "0.00"));
            }
            core::Money received = receivedOn(*folio);
            if (received != core::Money{}) {
                txtGet.setText(formatted(received));
                txtGet.setVisible(!txtGet.text().empty());
                receivedStored_ = received;
            }
            for (const StoredLine& l : folio->lines) {
                grdOrderItems.AddItem(lineText(l));
                grdOrderItems.setRowData(grdOrderItems.rows() - 1, l.id);
                storedLines_.push_back(l);
            }
            cmbRept.setTag("DidRecall");
            return;
        }
    }
    if (!txtGet.text().empty()) {
        cmbRept.setText("");
        txtTotal.setText("0.00");
        txtDITax1.setText("0.00");
        txtEnding.setText("0.00");
        txtGet.setText("");
    }
    txtGet.setText("");
}

// Writes the screen's own stay only. Apart from the room, an empty box leaves its field as it was.
db::Status frmRooms::UpdateGuestRecord() {
    datVRoom.setRecordSource(std::string(kGuestsByName));
    if (!findOwnStay()) return {};
    ui::DataRecordset& stay = datVRoom.Recordset();
    if (db::Status st = stay.Edit(); !st) return st;
    auto room = stay.field("szRoom1");
    if (!room || room->toText() != txtRoom.text()) {
        if (db::Status st = stay.setField("szRoom1", textOrNull(txtRoom.text())); !st) return st;
    }
    core::DateTime now = core::clock::now();
    if (db::Status st = stay.setField("szReser_ti", core::longTime(now.time)); !st) return st;
    if (db::Status st = stay.setField("szReser_day", core::shortDate(now.date)); !st) return st;
    struct Write {
        const char* field;
        std::string text;
    };
    for (const Write& w : {Write{"sLast_na", txtLastN.text()},
                           Write{"sFirst_nm", txtFirstN.text()},
                           Write{"sPhone_no", txtPhone.text()},
                           Write{"szStreet_ad", txtAdds.text()},
                           Write{"szCity_nm", txtCity.text()},
                           Write{"sState_cd", txtState.text()},
                           Write{"sZip_cd", txtZip.text()},
                           Write{"szCountry", txtCountry.text()},
                           Write{"szbd_date", txtBD.text()},
                           Write{"szID_type", cmbIDtype.text()},
                           Write{"szID_nu", txtIDnu.text()},
                           Write{"szID_state", txtIDstate.text()},
                           Write{"szID_country", txtIDcountry.text()},
                           Write{"szID_Exp", txtIDExp.text()},
                           Write{"szLicense_Plate", txtLicensePlate.text()},
                           Write{"szLicense_State", txtLstate.text()},
                           Write{"szCar_Color", txtColor.text()},
                           Write{"szCar_Make", cmbMake.text()},
                           Write{"szCar_Model", txtModel.text()},
                           Write{"szCar_yrs", cmbYrs.text()}}) {
        if (w.text.empty()) continue;
        if (db::Status st = stay.setField(w.field, w.text); !st) return st;
    }
    return stay.Update();
}

// ---- The printout ----

namespace {

using core::text::spaces;

// Whether a total is something due: "0.00", an empty text and a negative amount are not.
bool somethingDue(const std::string& total) {
    auto amount = core::Money::parse(total);
    return amount && *amount > core::Money{};
}

}  // namespace

// A folio with a line and something due prints whatever row the clerk last touched: a recall
// leaves the heading row current, and a folio with charges is no order that is not found. A line
// this screen took without a station code prints nothing; a stored line keeps no code, so it
// cannot be asked for one.
void frmRooms::cmdPrint_Click() {
    if (!hasLines() || !somethingDue(txtEnding.text())) {
        ui::MsgBox(" Order not found.", ui::kCritical);
        return;
    }
    int last = grdOrderItems.rows() - 1;
    grdOrderItems.setRow(last);
    grdOrderItems.setCol(3);
    if (!grdOrderItems.text().empty() || grdOrderItems.rowData(last) != 0) (void)cmdPrintRce_Click();
}

// The folio, lines and payments, is stored before anything is printed, so the printout bills
// exactly what the order book keeps; a save the stores refuse prints nothing. A folio whose header
// has gone from the book still prints.
bool frmRooms::cmdPrintRce_Click() {
    settings::SelectFrontPrinter();
    auto change = folioChange();
    if (!change) return false;
    OrderBook book = orderBook();
    db::UnitOfWork work;
    auto stores = book.storesToSave(*change);
    db::Status saved = stores ? work.begin(*stores) : db::Status(stores.error());
    std::optional<SaveOutcome> out;
    if (saved) {
        auto r = book.save(*change);
        if (r)
            out = std::move(*r);
        else
            saved = r.error();
    }
    if (saved && out->result == SaveResult::Saved) saved = work.commit();
    if (!saved) {
        work.rollback();
        ui::MsgBox("The folio was not printed: " + saved.error().message(), ui::kCritical);
        return false;
    }
    if (out->result == SaveResult::Saved) {
        changeStored(*out);
    } else {
        work.rollback();
        if (out->result != SaveResult::NotFound) {
            (void)toldNotSaved(*out);
            return false;
        }
    }
    PrintFolio();
    return true;
}

void frmRooms::PrintFolio() {
    // Every print adds the number to the list, a reprint too.
    if (lblChk.tag().empty()) lblChk.setTag(cmbRept.text());
    cmbRept.AddItem(lblChk.tag());

    InvoiceBody body;
    body.stayHeading = spaces(4) + "Guest#" + spaces(10) + "From:" + spaces(12) + "To:" + spaces(13) +
                       "Room:" + spaces(8) + "Folio#:" + spaces(16) + "\n";
    body.stayLine = spaces(5) + txtGuest.text() + spaces(18) + txtDateIn.text() + spaces(9) + txtDateOut.text() +
                    spaces(13) + txtRoom.text() + spaces(13) + lblChk.tag();
    body.itemsHeading = spaces(3) + "Day/Qty" + spaces(25) + "Description" + spaces(33) + "Charges" + spaces(11);
    for (int r = 2, last = grdOrderItems.rows() - 1; r <= last; ++r) {
        grdOrderItems.setRow(r);
        grdOrderItems.setCol(2);
        // A free item prints no charge.
        if (auto amount = amountOf(grdOrderItems.text()); amount && *amount == core::Money{}) grdOrderItems.setText("");
        std::string charge = grdOrderItems.text();
        if (auto amount = amountOf(charge)) charge = formatted(*amount);
        body.items.push_back({grdOrderItems.textMatrix(r, 0), grdOrderItems.textMatrix(r, 1), charge});
    }
    body.tax1 = txtDITax1.text();
    body.tax2 = txtDITax2.text();
    body.total = txtEnding.text();
    if (!txtGet.text().empty()) body.payment = InvoiceBody::Payment{txtGet.text(), txtReturn.text()};
    body.notesSubtotal = txtTotal.text();

    std::string failed = PrintInvoice(*this, body);
    if (body.payment) txtGet.setVisible(false);
    ui::forms().get<shell::frmSecurity>().chkItmDelSec.setTag("");
    if (!failed.empty()) ui::MsgBox("The folio was not printed: " + failed, ui::kExclamation);
}

// ---- Check-out ----

void frmRooms::cmdPost_Click() {
    OrderBook book = orderBook();
    bool headerFound = false;
    if (!cmbRept.text().empty()) {
        auto folio = book.recall(cmbRept.text());
        headerFound = folio && folio->hasHeader;
    }
    bool due = somethingDue(txtEnding.text());
    // A saved folio goes out whatever row the clerk last touched (a recall leaves the heading row
    // current), printed when something is due. A press that stops adds no check-out line.
    if (!headerFound && due && cmbRept.tag().empty() && !headerAdded_) {
        ui::MsgBox("This folio has not been saved. Please press Chk In/ Update first.", ui::kExclamation);
        return;
    }

    core::DateTime now = core::clock::now();
    grdOrderItems.AddItem("1\tCk Out:" + core::shortDate(now.date) + " " + core::longTime(now.time) + "\t\t" +
                          lblScrn.caption());
    std::optional<FolioChange> change;
    if (headerFound && due) {
        settings::SelectFrontPrinter();
        change = folioChange();
        if (!change) {
            grdOrderItems.RemoveItem(grdOrderItems.rows() - 1);
            return;
        }
    }

    // The folio as printed, the stay leaving the reservations and the room its open folio are
    // stored together, or none of them is.
    std::vector<std::string> stores{datZuChkO.databaseName(), datVRoom.databaseName(), book.openFolios()};
    if (change) stores.push_back(book.book());
    db::UnitOfWork work;
    db::Status moved = work.begin(stores);
    std::optional<SaveOutcome> out;
    if (moved && change) {
        auto r = book.save(*change);
        if (r)
            out = std::move(*r);
        else
            moved = r.error();
    }
    if (moved && out && out->result != SaveResult::Saved && out->result != SaveResult::NotFound) {
        work.rollback();
        if (out->result == SaveResult::TooLarge) grdOrderItems.RemoveItem(grdOrderItems.rows() - 1);
        (void)toldNotSaved(*out);
        return;
    }
    if (moved && findOwnStay()) {
        moved = MoveGuestToCheckedOut();
        if (moved) moved = datVRoom.Recordset().Delete();
    }
    if (moved) moved = book.closeOpenFolio(txtRoom.text());
    if (moved) moved = work.commit();
    if (!moved) {
        work.rollback();
        grdOrderItems.RemoveItem(grdOrderItems.rows() - 1);
        ui::MsgBox("The guest was not checked out: " + moved.error().message(), ui::kCritical);
        return;
    }
    if (change) {
        if (out->result == SaveResult::Saved) changeStored(*out);
        PrintFolio();
    }

    ui::forms().get<frmFrontDeskMsg>().Show(ui::kModal);
    (void)ui::Unload<frmRooms>();
}

// The copy is of the stay as stored, not of the boxes; the rate, money, card and remark fields
// stay behind.
db::Status frmRooms::MoveGuestToCheckedOut() {
    ui::DataRecordset& stay = datVRoom.Recordset();
    if (!datZuChkO.Recordset().isOpen()) {
        if (db::Status st = datZuChkO.Refresh(); !st) return st;
    }
    ui::DataRecordset& out = datZuChkO.Recordset();
    if (db::Status st = out.AddNew(); !st) return st;
    if (db::Status st = out.setField("szInv_nu", cmbRept.text()); !st) return st;
    for (const char* field :
         {"szClerk_id",   "szDate_in", "szDate_Out",      "szRoom1",         "szReser_ti",  "szReser_day",
          "sLast_na",     "sFirst_nm", "sPhone_no",       "szStreet_ad",     "szCity_nm",   "sState_cd",
          "sZip_cd",      "szCountry", "szbd_date",       "szID_type",       "szID_nu",     "szID_state",
          "szID_country", "szID_Exp",  "szLicense_Plate", "szLicense_State", "szCar_Color", "szCar_Make",
          "szCar_Model",  "szCar_yrs"}) {
        auto value = stay.field(field);
        if (!value) return value.error();
        if (db::Status st = out.setField(field, *value); !st) return st;
    }
    return out.Update();
}

// ---- The own stay ----

// Read afresh, so that a stay deleted meanwhile at another station is seen gone.
bool frmRooms::findOwnStay() {
    if (db::Status opened = datVRoom.Refresh(); !opened) return false;
    ui::DataRecordset& stays = datVRoom.Recordset();
    if (ownStay_) return static_cast<bool>(stays.setBookmark(*ownStay_));
    if (txtPhone.text().empty()) return false;
    std::string criterion = db::prefixCriterion("sPhone_no", txtPhone.text()) + " AND " +
                            reservations::roomCriterion("szRoom1", txtRoom.text());
    db::Status found = stays.FindFirst(criterion);
    return found && !stays.noMatch();
}

}  // namespace pelk::folio
