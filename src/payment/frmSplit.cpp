#include "payment/frmSplit.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>

#include "folio/frmRooms.h"
#include "folio/receipt.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/print/printer.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/tax.h"

namespace pelk::payment {

namespace {

using core::text::spaces;

std::string formatted(core::Money m) { return core::format(m, core::kAmountFormat); }

// An amount cell as the checks read it: whole, "$" and separators included; empty is none.
std::optional<core::Money> cellAmount(const std::string& text) { return core::Money::parse(text); }

std::string formattedCell(const std::string& text) {
    auto m = cellAmount(text);
    return m ? formatted(*m) : text;
}

}  // namespace

namespace {

const std::initializer_list<ui::DesignProperty> kCheckBox = {{"Font", ui::font::kSans10}};
const std::initializer_list<ui::DesignProperty> kCheckGrid = {
    {"Cols", 4}, {"FixedRows", 1}, {"FixedCols", 0}, {"Rows", 2}};

// Each check: its number and letter above its grid; its amounts below, laid out alike for both
// checks by the constructor.
const ui::FormDesign kDesign{
    {{"Caption", "Split Check"},
     {"Width", 12120},
     {"Height", 8520},
     {"BorderStyle", 3},
     {"BackColor", ui::color::kButtonFace}},
    {
        {"Label6",
         {120, 60, 11760, 300},
         {{"Caption", "Splitting items will not make any changes to your original check."},
          {"Alignment", ui::kCenter},
          {"Font", ui::font::kSans10Bold},
          {"BackStyle", 0}}},
        {"txtChk", {120, 420, 1500, 345}, kCheckBox},
        {"txtChkA", {1680, 420, 495, 345}, kCheckBox},
        {"txtChk2", {6120, 420, 1500, 345}, kCheckBox},
        {"txtChkB", {7680, 420, 495, 345}, {{"Font", ui::font::kSans10}, {"Text", "A"}}},
        {"grdOrderItems", {120, 840, 5880, 4620}, kCheckGrid},
        {"grdOrderItems2", {6120, 840, 5880, 4620}, kCheckGrid},
        {"txtWaiter", {120, 7080, 1095, 345}, {{"Font", ui::font::kSans10}, {"PasswordChar", "*"}}},
        {"ImgID", {1320, 7050, 405, 405}, {{"BorderStyle", 1}}},
        {"lblID", {1800, 7125, 1935, 285}, {{"BackStyle", 0}, {"Font", ui::font::kSans10Bold}}},
        {"cmdPrint", {8520, 6960, 1560, 825}, {{"Caption", "Print"}, {"Font", ui::font::kSans12Bold}}},
        {"cmdClose", {10320, 6960, 1560, 825}, {{"Caption", "Close"}, {"Font", ui::font::kSans12Bold}}},
    }};

}  // namespace

frmSplit::frmSplit() {
    ui::applyDesign(*this, kDesign);

    struct Check {
        ui::Label &sub, &tax, &total;
        ui::TextBox &subBox, &taxBox, &tax2Box, &totalBox;
        double left;
    };
    for (const Check& c : {Check{lblSub, lblTax, lblTotal, txtSub, txtTax, txtTax2, txtTotal, 120},
                           Check{lblSub2, lblTax2, lblTotal2, txtSub2, txtATax1, txtATax2, txtTotal2, 6120}}) {
        double labelLeft = c.left + 2760, boxLeft = c.left + 4440;
        for (auto [label, caption, top] : {std::tuple{&c.sub, "Sub:", 5580.0}, std::tuple{&c.tax, "Tax:", 6000.0},
                                           std::tuple{&c.total, "Total:", 6420.0}}) {
            label->setCaption(caption);
            label->Move(labelLeft, top + 45, 735, 255);
            label->setFont(ui::font::kSans10Bold.font());
            label->setBackStyle(0);
        }
        c.subBox.Move(boxLeft, 5580, 1440, 345);
        c.tax2Box.Move(c.left + 3000, 6000, 1380, 345);
        c.taxBox.Move(boxLeft, 6000, 1440, 345);
        c.totalBox.Move(boxLeft, 6420, 1440, 345);
        for (ui::TextBox* b : {&c.subBox, &c.taxBox, &c.tax2Box, &c.totalBox}) {
            b->setFont(ui::font::kSans10.font());
            b->setText("0.00");
            b->setAlignment(ui::kRightJustify);
        }
        c.tax2Box.setVisible(false);
    }

    grdOrderItems.onClick([this] { grdOrderItems_Click(); });
    grdOrderItems2.onClick([this] { grdOrderItems2_Click(); });
    txtSub.onChange([this] { txtSub_Change(); });
    txtSub2.onChange([this] { txtSub2_Change(); });
    cmdPrint.onClick([this] { cmdPrint_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmSplit::Form_Load() {
    setBackColor(ui::color::kButtonFace);
    double width = grdOrderItems.width();
    int column = 0;
    for (double share : {0.09, 0.69, 0.18, 0.0}) {
        double w = std::round(width * share);
        grdOrderItems.setColWidth(column, w);
        grdOrderItems2.setColWidth(column, w);
        ++column;
    }
    if (settings::secondTaxApplies()) {
        txtTax2.setVisible(true);
        txtATax2.setVisible(true);
    }
    settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
    rate1_ = settings::taxRateOf(store.txtDITax1.text());
    rate2_ = settings::taxRateOf(store.txtDITax2.text());

    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    if (rooms.tag() == "Zu") {
        txtSub.setText(rooms.txtTotal.text());
        txtWaiter.setText(rooms.txtWaiter.text());
        lblID.setCaption(rooms.lblID.caption());
        if (!rooms.cmbRept.text().empty()) {
            txtChk.setText(rooms.cmbRept.text());
            txtChk2.setText(rooms.cmbRept.text());
        }
    }
    LoadFolioLines();
}

void frmSplit::LoadFolioLines() {
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    if (rooms.tag() != "Zu") return;
    ui::FlexGrid& folio = rooms.grdOrderItems;
    for (int r = 2; r < folio.rows(); ++r) {
        grdOrderItems.AddItem(folio.textMatrix(r, 0) + "\t" + folio.textMatrix(r, 1) + "\t" +
                              formattedCell(folio.textMatrix(r, 2)));
    }
    if (folio.rows() > 2) {
        folio.setRow(folio.rows() - 1);
        folio.setCol(2);
    }
}

// One unit of a counted line moves; an option line, a half portion or a single item moves whole.
// The reduced line goes to the bottom of the first check.
void frmSplit::grdOrderItems_Click() {
    ui::FlexGrid& from = grdOrderItems;
    int row = from.mouseRow();
    if (row < 2 || row >= from.rows()) return;
    std::string qty = from.textMatrix(row, 0);
    std::string description = from.textMatrix(row, 1);
    std::string amountCell = from.textMatrix(row, 2);
    std::optional<core::Money> amount = cellAmount(amountCell);
    std::string shown = amount ? formatted(*amount) : amountCell;
    core::Money sub1 = cellAmount(txtSub.text()).value_or(core::Money{});
    core::Money sub2 = cellAmount(txtSub2.text()).value_or(core::Money{});

    std::optional<core::Money> count = core::Money::parse(qty);
    bool oneUnit = count && *count > core::Money::fromInt(1) && qty != "+" && qty.find('/') == std::string::npos;
    if (oneUnit) {
        std::optional<core::Money> unit;
        if (amount) unit = amount->dividedBy(*count).value_or(core::Money{}).rounded(2);
        grdOrderItems2.AddItem("1\t" + description + "\t" + (unit ? formatted(*unit) : ""));
        if (amount && !amountCell.empty()) {
            txtSub.setText((sub1 - *unit).toPlainText());
            txtSub2.setText((sub2 + *unit).toPlainText());
        }
        from.RemoveItem(row);
        from.setRow(row - 1);
        core::Money left = *count - core::Money::fromInt(1);
        from.AddItem(left.toPlainText() + "\t" + description + "\t" + (amount ? formatted(*amount - *unit) : ""));
    } else {
        grdOrderItems2.AddItem(qty + "\t" + description + "\t" + shown);
        if (amount && !amountCell.empty()) {
            txtSub.setText((sub1 - *amount).toPlainText());
            txtSub2.setText((sub2 + *amount).toPlainText());
        }
        from.RemoveItem(row);
        from.setRow(row - 1);
    }
    from.setRedraw(true);
}

// Lines moved back are never merged: a unit comes back as a line of its own.
void frmSplit::grdOrderItems2_Click() {
    ui::FlexGrid& from = grdOrderItems2;
    int row = from.mouseRow();
    if (row < 2 || row >= from.rows()) return;
    std::string qty = from.textMatrix(row, 0);
    std::string description = from.textMatrix(row, 1);
    std::string amountCell = from.textMatrix(row, 2);
    std::optional<core::Money> amount = cellAmount(amountCell);
    grdOrderItems.AddItem(qty + "\t" + description + "\t" + (amount ? formatted(*amount) : amountCell) + "\t");
    if (amount && !amountCell.empty()) {
        core::Money sub1 = cellAmount(txtSub.text()).value_or(core::Money{});
        core::Money sub2 = cellAmount(txtSub2.text()).value_or(core::Money{});
        txtSub.setText((sub1 + *amount).toPlainText());
        txtSub2.setText((sub2 - *amount).toPlainText());
    }
    from.RemoveItem(row);
    from.setRow(row - 1);
    from.setRedraw(true);
}

void frmSplit::txtSub_Change() { recalculate(txtSub, txtTax, txtTax2, txtTotal); }

void frmSplit::txtSub2_Change() { recalculate(txtSub2, txtATax1, txtATax2, txtTotal2); }

// A subtotal that does not read as an amount leaves the check's taxes and total as they are.
void frmSplit::recalculate(ui::TextBox& sub, ui::TextBox& tax1, ui::TextBox& tax2, ui::TextBox& total) {
    auto subtotal = cellAmount(sub.text());
    if (!subtotal) return;
    sub.setText(formatted(*subtotal));
    bool second = settings::secondTaxApplies();
    settings::Taxes taxes = settings::taxesOn(*subtotal, rate1_, rate2_, second);
    tax1.setText(formatted(taxes.tax1));
    core::Money sum = *subtotal + taxes.tax1;
    total.setText(sum.toPlainText());
    if (second) {
        tax2.setText(formatted(taxes.tax2));
        sum = taxes.total;
        total.setText(sum.toPlainText());
    }
    total.setText(formatted(sum));
}

void frmSplit::cmdClose_Click() { Unload(); }

// The printed lines leave the first check for good: the second check is emptied after each print,
// whether or not the printer took it, and the next split is built from what remains.
void frmSplit::cmdPrint_Click() {
    if (txtTotal2.text() == "0.00") return;
    settings::SelectFrontPrinter("*Epson*");
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    if (rooms.lblChk.tag().empty()) rooms.lblChk.setTag(rooms.cmbRept.text());

    folio::InvoiceBody body;
    body.stayHeading = spaces(4) + "Guest" + spaces(19) + "From" + spaces(12) + "To" + spaces(13) + "Room" + spaces(8) +
                       "Invoice   " + "\n";
    body.stayLine = "  " + rooms.txtFirstN.text() + " " + rooms.txtLastN.text() + spaces(18) + rooms.txtDateIn.text() +
                    spaces(9) + rooms.txtDateOut.text() + spaces(13) + rooms.txtRoom.text() + spaces(13) +
                    rooms.lblChk.tag();
    body.itemsHeading = spaces(3) + "Day/Qty" + spaces(30) + "Description" + spaces(30) + "Amount" + spaces(9);
    for (int r = 2, last = grdOrderItems2.rows() - 1; r <= last; ++r) {
        std::string amount = grdOrderItems2.textMatrix(r, 2);
        if (amount == "$0.00") amount.clear();
        body.items.push_back({grdOrderItems2.textMatrix(r, 0), grdOrderItems2.textMatrix(r, 1), formattedCell(amount)});
    }
    body.tax1 = txtATax1.text();
    body.tax2 = txtATax2.text();
    body.total = txtTotal2.text();
    body.notesSubtotal = txtSub2.text();
    if (std::string failed = folio::PrintInvoice(rooms, body); !failed.empty()) ui::MsgBox(failed, ui::kExclamation);

    grdOrderItems2.setRows(2);
    txtSub2.setText("0.00");
    txtTotal2.setText("0.00");
    const std::string& letter = txtChkB.text();
    if (letter == "A")
        txtChkB.setText("B");
    else if (letter == "B")
        txtChkB.setText("C");
    else if (letter == "C")
        txtChkB.setText("D");
    else if (letter == "D")
        txtChkB.setText("E");
}

}  // namespace pelk::payment
