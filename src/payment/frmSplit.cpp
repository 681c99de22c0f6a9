#include "payment/frmSplit.h"

#include <cmath>
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
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/tax.h"

namespace pelk::payment {

namespace {

using core::text::spaces;

constexpr ui::Color kButtonFace = 0x8000000F;

std::string formatted(core::Money m) { return core::format(m, core::kAmountFormat); }

// An amount cell as the checks read it: whole, "$" and separators included; empty is none.
std::optional<core::Money> cellAmount(const std::string& text) { return core::Money::parse(text); }

std::string formattedCell(const std::string& text) {
    auto m = cellAmount(text);
    return m ? formatted(*m) : text;
}

}  // namespace

frmSplit::frmSplit() {
    setCaption("Split Check");
    setWidth(12120);
    setHeight(8520);
    setBorderStyle(3);
    setBackColor(kButtonFace);

    ui::Font labelFont{"MS Sans Serif", 9.75, true};
    ui::Font boxFont{"MS Sans Serif", 9.75, false};
    Label6.setCaption("Splitting items will not make any changes to your original check.");
    Label6.Move(120, 60, 11760, 300);
    Label6.setAlignment(ui::kCenter);
    Label6.setFont(labelFont);
    Label6.setBackStyle(0);

    auto box = [&](ui::TextBox& t, double left, double top, double width) {
        t.Move(left, top, width, 345);
        t.setFont(boxFont);
    };
    auto label = [&](ui::Label& l, const char* caption, double left, double top) {
        l.setCaption(caption);
        l.Move(left, top + 45, 735, 255);
        l.setFont(labelFont);
        l.setBackStyle(0);
    };

    // Each check: its number and letter above its grid, its amounts below.
    double lefts[2] = {120, 6120};
    box(txtChk, lefts[0], 420, 1500);
    box(txtChkA, lefts[0] + 1560, 420, 495);
    box(txtChk2, lefts[1], 420, 1500);
    box(txtChkB, lefts[1] + 1560, 420, 495);
    txtChkB.setText("A");
    for (ui::FlexGrid* g : {&grdOrderItems, &grdOrderItems2}) {
        g->setCols(4);
        g->setFixedRows(1);
        g->setFixedCols(0);
        g->setRows(2);
    }
    grdOrderItems.Move(lefts[0], 840, 5880, 4620);
    grdOrderItems2.Move(lefts[1], 840, 5880, 4620);

    struct Check {
        ui::Label &sub, &tax, &total;
        ui::TextBox &subBox, &taxBox, &tax2Box, &totalBox;
        double left;
    };
    for (const Check& c : {Check{lblSub, lblTax, lblTotal, txtSub, txtTax, txtTax2, txtTotal, lefts[0]},
                           Check{lblSub2, lblTax2, lblTotal2, txtSub2, txtATax1, txtATax2, txtTotal2, lefts[1]}}) {
        double labelLeft = c.left + 2760, boxLeft = c.left + 4440;
        label(c.sub, "Sub:", labelLeft, 5580);
        box(c.subBox, boxLeft, 5580, 1440);
        label(c.tax, "Tax:", labelLeft, 6000);
        box(c.tax2Box, c.left + 3000, 6000, 1380);
        box(c.taxBox, boxLeft, 6000, 1440);
        label(c.total, "Total:", labelLeft, 6420);
        box(c.totalBox, boxLeft, 6420, 1440);
        for (ui::TextBox* b : {&c.subBox, &c.taxBox, &c.tax2Box, &c.totalBox}) {
            b->setText("0.00");
            b->setAlignment(ui::kRightJustify);
        }
        c.tax2Box.setVisible(false);
    }

    box(txtWaiter, 120, 7080, 1095);
    txtWaiter.setPasswordChar("*");
    ImgID.Move(1320, 7050, 405, 405);
    ImgID.setBorderStyle(1);
    lblID.Move(1800, 7125, 1935, 285);
    lblID.setBackStyle(0);
    lblID.setFont({"MS Sans Serif", 9.75, true});
    for (auto [b, caption, left] : {std::tuple{&cmdPrint, "Print", 8520.0}, std::tuple{&cmdClose, "Close", 10320.0}}) {
        b->setCaption(caption);
        b->Move(left, 6960, 1560, 825);
        b->setFont({"MS Sans Serif", 12, true});
    }

    grdOrderItems.onClick([this] { grdOrderItems_Click(); });
    grdOrderItems2.onClick([this] { grdOrderItems2_Click(); });
    txtSub.onChange([this] { txtSub_Change(); });
    txtSub2.onChange([this] { txtSub2_Change(); });
    cmdPrint.onClick([this] { cmdPrint_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmSplit::Form_Load() {
    setBackColor(kButtonFace);
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
