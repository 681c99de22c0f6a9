// Room service on the room screen: the block of sixteen buttons that shows the menu sections or
// the items of one section (or the notes list) page by page, and the taking of an item onto the
// folio with its size, option, quantity and percent off.

#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "folio/frmRooms.h"
#include "menu/frmSetMenu.h"
#include "menu/sections.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/ui/fonts.h"
#include "platform/ui/picture.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/frmMsgbox.h"

namespace pelk::folio {

namespace {

constexpr int kBlock = 16;
constexpr std::string_view kNoPicture = "-";

// An item list in slot order, worded as the room screen has always worded it: scripts read the
// list's source back as written, and the VDishes, Lamb and notes lists were written in capitals.
std::string slotList(std::string_view table) {
    bool capitals = table == "tbVDishes" || table == "tbLamb" || table == menu::kNotesTable;
    std::string statement = capitals ? "SELECT * FROM " : "Select * from ";
    return statement.append(table).append(capitals ? " ORDER BY Dish_ID ASC" : " order by Dish_ID ASC");
}

// Lunch and Dinner print at station "B"; every other section at the station the store set for it.
constexpr std::string_view kLunchDinnerStation = "B";

// The working record's cells: the item grid's columns.
enum Column { kNumber = 0, kText = 1, kPrice = 2, kQuantity = 3, kSize1 = 4, kSize2 = 5, kSize3 = 6, kOption1 = 7 };
constexpr int kOptions = 6;

// The number a text begins with, as the legacy Val reads it, or nothing when it begins with none:
// "3" and "3x" are 3, ".5" a half, "x3" and "" no number.
std::optional<core::Money> leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    int digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    return core::Money::fromDouble(core::val(text.substr(start, i - start)));
}

// A size price counts as offered unless it is empty or zero ("$0.00" as the list shows it).
bool priceOffered(const std::string& shown) {
    if (shown.empty()) return false;
    auto amount = core::Money::parse(shown);
    return !amount || *amount != core::Money{};
}

bool optionSet(const std::string& text) { return !text.empty() && text != "-"; }

std::string quantityText(core::Money quantity) {
    if (quantity == core::Money::fromUnits(core::Money::kScale / 2)) return "1/2";
    return quantity.toPlainText();
}

std::optional<core::Money> amountOf(std::string_view text) { return core::Money::parse(text); }

// Every charge on the folio in the one money format of its printouts and totals ("1,250.00"),
// whatever the list's price column or the arithmetic gave; a price that reads as no amount stays
// as it was written.
template <class Price>
std::string chargeText(const Price& price) {
    return price.amount ? core::format(*price.amount, core::kAmountFormat) : price.text;
}

}  // namespace

// ---- The block and its layout ----

void frmRooms::setUpRoomService() {
    command.unload(0);
    Text.unload(0);
    // The block stands on the right edge of a wider screen; the folio half beside it closes up
    // to make room, each of its controls keeping its place and share of the width.
    constexpr double kFolioLeft = 6840, kFolioRight = 13080, kSmallRight = 9200, kNewWidth = 15180;
    constexpr double kButtonWidth = 1380, kButtonHeight = 1000, kTop = 60, kGap = 15;
    const double blockLeft = kNewWidth - 2 * kButtonWidth - kGap - 240;
    const double share = (blockLeft - 120 - kFolioLeft) / (kFolioRight - kFolioLeft);
    for (ui::Control* c : controls()) {
        // The small entry controls on the left of the half stay as they are.
        if (c->container() || c->left() < kFolioLeft - 60 ||
            (c->width() < 1000 && c->left() + c->width() <= kSmallRight))
            continue;
        c->Move(kFolioLeft + (c->left() - kFolioLeft) * share, c->top(), c->width() * share, c->height());
    }
    setWidth(kNewWidth);
    for (int k = 1; k <= kBlock; ++k) {
        double left = blockLeft + ((k - 1) / 8) * (kButtonWidth + kGap);
        double top = kTop + ((k - 1) % 8) * (kButtonHeight + kGap);
        ui::CommandButton& button = command(k);
        button.setStyle(1);
        button.setBackColor(settings::kScreenGreen);
        button.setFont(ui::font::kArial12Bold.font());
        button.Move(left, top, kButtonWidth, kButtonHeight);
        Text(k).setBackColor(settings::kScreenGreen);
        Text(k).setTabStop(false);
        Text(k).setFont(ui::font::kDialog.font());
        Text(k).Move(left, top, 375, 255);
    }
    // The percent box is typed into from the start; only the quantity box waits for its button.
    txtPercent.setVisible(true);
    txtList.setVisible(false);
    lblList.setVisible(false);

    // A grid a few pixels high: the clerk never works with it, the choice box reads and writes
    // the current row through it.
    dbList.setDataSource(datList);
    dbList.setColumns({{"Dish_ID", "", 0, "General Number"},
                       {"szMenu_nm", "", 0, ""},
                       {"szPrice_amt", "", 0, "Currency"},
                       {"szMenu_ID", "", 0, ""},
                       {"szPriceS_amt", "", 0, "Currency"},
                       {"szPriceM_amt", "", 0, "Currency"},
                       {"szPriceL_amt", "", 0, "Currency"},
                       {"1", "Opt-1", 0, ""},
                       {"2", "Opt-2", 0, ""},
                       {"3", "Opt-3", 0, ""},
                       {"4", "Opt-4", 0, ""},
                       {"5", "Opt-5", 0, ""},
                       {"6", "Opt-6", 0, ""}});
    dbList.setAllowAddNew(false);
    dbList.setAllowDelete(false);
    dbList.setAllowUpdate(false);
    dbList.setColumnHeaders(false);
    dbList.setRecordSelectors(false);
    dbList.Move(6840, 8460, 2295, 60);
    // The working record is written into the grid's current row, and never into the menu.
    datList.onValidate([](int&, int& Save) { Save = 0; });

    command.onClick([this](int index) { command_Click(index); });
    cmdLast.onClick([this] { cmdLast_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
    cmdMainM.onClick([this] { cmdMainM_Click(); });
    cmdSp.onClick([this] { cmdSp_Click(); });
    txtList.onChange([this] { txtList_Change(); });
    lblList.onChange([this] { lblList_Change(); });
    lblList.onClick([this] { lblList_Click(); });
    cmdAsk.onClick([this] { cmdAsk_Click(); });
    cmdPercent.onClick([this] { cmdPercent_Click(); });
    cmdQty.onClick([this] { cmdQty_Click(); });
    txtPercent.onClick([this] { txtPercent_Click(); });
    txtQty.onClick([this] { txtQty_Click(); });
    txtQty.onChange([this] { txtQty_Change(); });
    grdOrderItems.onClick([this] { grdOrderItems_Click(); });
    cmdTenerRec.onClick([this] { cmdTenerRec_Click(); });
    cmdSplit.onClick([this] { cmdSplit_Click(); });
}

// ---- Sections and item pages ----

// Each section button loses its picture first, so one whose picture cannot be loaded is blank
// rather than showing what the last item page left on it. Buttons 15 and 16 stand for no section.
// The number boxes number item slots: a section has none, and an empty box on its button would be
// a blank square.
void frmRooms::DrawSectionButtons() {
    settings::SectionButtons buttons{};
    for (int i = 0; i < settings::kSections; ++i) {
        buttons[i] = &command(i + 1);
        command(i + 1).setPicture(ui::Picture{});
        Text(i + 1).setVisible(false);
    }
    for (int k = settings::kSections + 1; k <= kBlock; ++k) {
        command(k).setPicture(ui::Picture{});
        command(k).setCaption("");
        command(k).setVisible(false);
        Text(k).setVisible(false);
    }
    settings::DrawSectionButtons(buttons, datMain.recordset());
    cmdMainM.setTag("Main");
}

void frmRooms::command_Click(int Index) {
    if (cmdMainM.tag() == "Main") {
        if (Index < 1 || Index > settings::kSections) return;
        const int section = Index - 1;
        datList.setRecordSource(slotList(menu::kMenuSections[section].table));
        settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
        lblScrn.setCaption(section < settings::kStationSections ? store.stationCodes()[section]->text()
                                                                : std::string(kLunchDinnerStation));
        (void)datList.Refresh();
        FillItemPage();
        cmdMainM.setTag("");
        return;
    }
    txtList.setText("0");
    txtList.setText(txtList.text() + command(Index).tag());
}

void frmRooms::txtList_Change() {
    const std::string typed = txtList.text();
    if (typed.size() < 2 || core::val(typed) < 0) return;
    lblList.setCaption(typed);
    txtList.setText("");
}

// Slots are looked up on a cursor of the list's own, so the working record's row stays put.
// When the list cannot be read every button is blank: a press then finds nothing.
void frmRooms::FillItemPage() {
    const std::string& marker = cmdLast.tag();
    int page = 1;
    if (marker == "2") {
        page = 2;
        cmdLast.setVisible(true);
    }
    if (marker == "3") page = 3;
    if (marker == "4") page = 4;
    for (int k = settings::kSections + 1; k <= kBlock; ++k) command(k).setVisible(true);
    for (int k = 1; k <= kBlock; ++k) Text(k).setVisible(true);
    for (int k = 1; k <= kBlock; ++k) {
        std::string n = std::to_string(kBlock * (page - 1) + k);
        Text(k).setText(n);
        command(k).setTag(n);
    }
    std::optional<db::Recordset> items;
    if (datList.isOpen())
        if (auto cursor = datList.Recordset().Clone(); cursor.ok()) items.emplace(std::move(*cursor));
    for (int k = 1; k <= kBlock; ++k) {
        ui::CommandButton& button = command(k);
        long n = kBlock * (page - 1) + k;
        button.setPicture(ui::Picture{});
        bool found = items && items->FindFirst("Dish_ID Like " + std::to_string(n)).ok() && !items->noMatch();
        if (!found) {
            button.setCaption("");
            continue;
        }
        if (auto name = items->field("szMenu_nm"); name.ok() && !name->isNull()) button.setCaption(name->toText());
        std::string picture = items->fieldText("szDes");
        if (!picture.empty() && picture != kNoPicture)
            if (auto loaded = ui::LoadPicture(picture)) button.setPicture(*loaded);
    }
    bool lastPage = command(kBlock).caption().empty();
    if (page == 1) {
        cmdLast.setVisible(false);
    } else {
        cmdLast.setCaption(std::to_string(page - 1));
        cmdLast.setVisible(true);
    }
    cmdNext.setVisible(!lastPage);
    if (!lastPage) cmdNext.setCaption(std::to_string(page + 1));
}

void frmRooms::cmdLast_Click() {
    const std::string& target = cmdLast.caption();
    if (target == "1") cmdLast.setTag("");
    if (target == "2" || target == "3") cmdLast.setTag(target);
    FillItemPage();
}

// Past a full last page ("5") the same page is filled again.
void frmRooms::cmdNext_Click() {
    const std::string& target = cmdNext.caption();
    if (target == "2" || target == "3" || target == "4") cmdLast.setTag(target);
    FillItemPage();
}

void frmRooms::cmdMainM_Click() {
    cmdLast.setVisible(false);
    cmdNext.setVisible(false);
    cmdLast.setTag("");
    cmdMainM.setTag("Main");
    DrawSectionButtons();
}

// A note keeps the station of the section opened last.
void frmRooms::cmdSp_Click() {
    datList.setRecordSource(slotList(menu::kNotesTable));
    (void)datList.Refresh();
    FillItemPage();
    setTag("");
    cmdMainM.setTag("");
}

// ---- Taking an item ----

void frmRooms::lblList_Click() {}

// The item is on the folio, its size, option and amounts taken, before the press that handed its
// number over returns. The working record lives in the grid's current row until the list is read
// again, which drops it (the menu is never written).
void frmRooms::lblList_Change() {
    const std::string number = lblList.caption();
    if (number.size() < 2) return;
    double n = core::val(number);
    if (n >= 0) {
        ui::DataRecordset& items = datList.Recordset();
        bool found = n == static_cast<double>(static_cast<long long>(n)) &&
                     items.FindFirst("Dish_ID = " + std::to_string(static_cast<long long>(n))).ok() &&
                     !items.noMatch() && dbList.row() >= 0;
        if (found) {
            askItemSize();
            const std::string& size = lblList.tag();
            int column = size == "XL" ? kSize3 : size == "L" ? kSize2 : size == "M" ? kSize1 : -1;
            if (column >= 0) dbList.setColumnText(kPrice, dbList.columnText(column));
            AddItemLine();
        }
        lblList.setCaption("");
    }
    grdOrderItems.setTag("");
    (void)datList.Refresh();
    cmdAsk_Click();
}

// Sizes are offered largest first, each on its own button with its label; the base price stands
// on cmdYes. No priced size: no question, the base price.
void frmRooms::askItemSize() {
    settings::frmMsgbox* box = nullptr;
    auto choiceBox = [&]() -> settings::frmMsgbox& {
        if (!box) box = &ui::forms().get<settings::frmMsgbox>();
        return *box;
    };
    struct Size {
        int column;
        ui::CommandButton settings::frmMsgbox::*button;
        ui::TextBox settings::frmMsgbox::*label;
    };
    const std::array<Size, 3> sizes = {Size{kSize3, &settings::frmMsgbox::cmdNo, &settings::frmMsgbox::txtLprice},
                                       Size{kSize2, &settings::frmMsgbox::cmdM, &settings::frmMsgbox::txtMprice},
                                       Size{kSize1, &settings::frmMsgbox::cmdS, &settings::frmMsgbox::txtSprice}};
    bool asking = false;
    for (const Size& s : sizes) asking = asking || priceOffered(dbList.columnText(s.column));
    // The box is not even loaded for an item without sizes.
    if (!asking) return;
    for (const Size& s : sizes) {
        std::string price = dbList.columnText(s.column);
        if (priceOffered(price)) {
            (choiceBox().*s.button).setCaption(price);
            (choiceBox().*s.label).setVisible(true);
        } else if (s.column == kSize3) {
            (choiceBox().*s.button).setVisible(false);
            (choiceBox().*s.label).setVisible(false);
        }
    }
    choiceBox().cmdYes.setCaption(dbList.columnText(kPrice));
    choiceBox().setTag("0");
    choiceBox().Show(ui::kModal);
}

void frmRooms::AddItemLine() {
    if (optionSet(dbList.columnText(kOption1))) AskItemOptions();

    workingPrice_ = {amountOf(dbList.columnText(kPrice)), dbList.columnText(kPrice)};
    typedQuantity_ = leadingNumber(txtQty.text());
    std::string quantity = "1";
    if (typedQuantity_) {
        quantity = quantityText(*typedQuantity_);
        if (workingPrice_.amount) {
            workingPrice_.amount = *workingPrice_.amount * *typedQuantity_;
            workingPrice_.text = workingPrice_.amount->toPlainText();
        }
    }
    dbList.setColumnText(kQuantity, quantity);

    if (!txtPercent.text().empty()) {
        ApplyPercentOff();
        dbList.setColumnText(kText, dbList.columnText(kText) + "-" + txtPercent.text() + "%");
    }

    menu::frmSetMenu& labels = ui::forms().get<menu::frmSetMenu>();
    const std::string& size = lblList.tag();
    const ui::TextBox& label = size == "M"    ? labels.txtSprice
                               : size == "L"  ? labels.txtMprice
                               : size == "XL" ? labels.txtLprice
                                              : labels.txtPrice;
    dbList.setColumnText(kText, label.text() + dbList.columnText(kText));
    dbList.setColumnText(kPrice, workingPrice_.text);

    if (ui::forms().get<settings::frmInfor>().chkSort.value() == 0) InsertItemArranged();

    if (txtQty.tag() != "Arranged") {
        grdOrderItems.AddItem(quantity + "\t" + dbList.columnText(kText) + "\t" + chargeText(workingPrice_) + "\t" +
                              lblScrn.caption());
    }
    txtQty.setTag("");
    txtQty.setText("");
    if (!workingPrice_.text.empty()) {
        // A charge that reads as no amount adds nothing; the subtotal is read whole.
        auto subtotal = amountOf(txtTotal.text());
        if (workingPrice_.amount && subtotal) txtTotal.setText((*workingPrice_.amount + *subtotal).toPlainText());
    }
    lblList.setTag("");
}

void frmRooms::AskItemOptions() {
    settings::frmMsgbox& box = ui::forms().get<settings::frmMsgbox>();
    std::array<ui::CommandButton*, kOptions> buttons = {&box.cmdS,  &box.cmdM,    &box.cmdYes,
                                                        &box.cmdNo, &box.cmdOpt5, &box.cmdOpt6};
    bool any = false;
    for (int k = 0; k < kOptions; ++k) {
        std::string option = dbList.columnText(kOption1 + k);
        if (!optionSet(option)) continue;
        buttons[k]->setCaption(option);
        any = true;
    }
    if (!any) return;
    box.setTag("7");
    box.Show(ui::kModal);
}

// The percent is read whole ("12.5" is twelve and a half); one that is no number takes nothing off.
void frmRooms::ApplyPercentOff() {
    auto percent = core::Money::parse(txtPercent.text());
    if (!percent || !workingPrice_.amount) return;
    auto rate = percent->dividedBy(core::Money::fromInt(100));
    if (!rate) return;
    core::Money reduction = *workingPrice_.amount * *rate;
    workingPrice_.amount = *workingPrice_.amount - reduction;
    workingPrice_.text = workingPrice_.amount->toPlainText();
}

// A repeated item joins its earlier line at the end of the folio, its option lines carried along
// after it. Only lines present at the start are looked at, each once; a line without a station
// code (a recalled line, the room charge) is never joined, and only the first line of the same
// text is.
void frmRooms::InsertItemArranged() {
    const std::string working = dbList.columnText(kText);
    const std::string station = lblScrn.caption();
    int row = 2;
    int toScan = grdOrderItems.rows() - 2;
    bool merged = false;
    for (; toScan > 0; --toScan) {
        std::string q = grdOrderItems.textMatrix(row, 0);
        std::string t = grdOrderItems.textMatrix(row, 1);
        std::string c = grdOrderItems.textMatrix(row, 2);
        if (t == working && !merged) {
            if (grdOrderItems.textMatrix(row, 3).empty()) return;
            auto charge = amountOf(c);
            if (!charge || !workingPrice_.amount) return;
            std::string quantity, amount;
            if (typedQuantity_) {
                core::Money units = *typedQuantity_ + leadingNumber(q).value_or(core::Money{});
                quantity = units.toPlainText();
                amount = core::format(*workingPrice_.amount + *charge, core::kAmountFormat);
            } else {
                auto units = amountOf(q);
                // A half portion ("1/2") is no count to add to: the item gets its own line.
                if (!units) return;
                quantity = (*units + core::Money::fromInt(1)).toPlainText();
                amount = core::format(*workingPrice_.amount + *charge, core::kAmountFormat);
            }
            grdOrderItems.AddItem(quantity + "\t" + working + "\t" + amount + "\t" + station);
            grdOrderItems.RemoveItem(row);
            grdOrderItems.setTag("Remove");
            txtQty.setTag("Arranged");
            merged = true;
            continue;
        }
        if (grdOrderItems.tag() == "Remove") {
            if (q == "+") {
                grdOrderItems.AddItem("+\t" + t + "\t" + c + "\t" + station);
                grdOrderItems.RemoveItem(row);
                continue;
            }
            grdOrderItems.setTag("");
        }
        ++row;
    }
}

// ---- Mode word and entry boxes ----

void frmRooms::cmdAsk_Click() { setTag("Zu"); }

void frmRooms::cmdPercent_Click() {
    txtPercent.setText("");
    setTag("Percent");
}

void frmRooms::txtPercent_Click() {
    txtPercent.setText("");
    setTag("Percent");
}

void frmRooms::cmdQty_Click() {
    txtQty.setVisible(true);
    (void)txtQty.SetFocus();
    txtQty.setText("");
}

void frmRooms::txtQty_Click() {
    txtQty.setText("");
    setTag("Qty");
}

// A quantity above one sends the clerk on to the item number box when it can take the focus.
void frmRooms::txtQty_Change() {
    const std::string typed = txtQty.text();
    if (typed == "00" || typed == "01") {
        txtQty.setText("");
        return;
    }
    if (typed.size() < 2) return;
    txtQty.setVisible(true);
    if (core::val(typed) > 1) (void)txtList.SetFocus();
}

}  // namespace pelk::folio
