#include "settings/frmMsgbox.h"

#include <string>

#include "platform/core/text.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::settings {

namespace {

struct DeletingQuestion {
    const char* mode;
    const char* question;
    const char* secondLanguage;
};
constexpr DeletingQuestion kDeletingQuestions[] = {
    {"2", "Delete Files.", "削除质料"},
    {"3", "Delete Customers Information.", "削除顾客质料"},
    {"4", "Delete Training Invoices.", "削除培训期间的收据"},
};

// A control of another screen by name, when that screen is registered (referring to it loads it,
// as the legacy reference did). Most screens that ask are later parts' (the menu, the room screen).
ui::Control* controlOf(std::string_view form, std::string_view control) {
    if (!ui::forms().isRegistered(form)) return nullptr;
    return ui::forms().byName(form).control(control);
}

const ui::FormDesign kDesign{
    {{"Caption", "Form1"},
     {"BorderStyle", 3},
     {"ControlBox", false},
     {"MinButton", false},
     {"MaxButton", false},
     {"Width", 4335},
     {"Height", 2835}},
    {
        {"lblMsg", {120, 120, 3975, 495}, {{"BackColor", ui::color::kWhite}, {"Font", ui::font::kSans12Bold}}},
        {"lblC", {120, 600, 3975, 495}, {{"BackColor", ui::color::kWhite}, {"Font", ui::font::kSans12Bold}}},
        {"cmdS",
         {120, 120, 1815, 975},
         {{"Style", 1}, {"BackColor", ui::color::kOrange}, {"Font", ui::font::kSans13Bold}, {"Visible", false}}},
        {"cmdM",
         {2280, 120, 1815, 975},
         {{"Style", 1}, {"BackColor", ui::color::kMidYellow}, {"Font", ui::font::kSans13Bold}, {"Visible", false}}},
        {"cmdOpt5",
         {4440, 120, 1815, 975},
         {{"Style", 1}, {"BackColor", ui::color::kOrange}, {"Font", ui::font::kSans13Bold}, {"Visible", false}}},
        {"cmdYes",
         {120, 1320, 1815, 975},
         {{"Style", 1}, {"BackColor", ui::color::kMidYellow}, {"Font", ui::font::kSans13Bold}, {"Visible", false}}},
        {"cmdNo",
         {2280, 1320, 1815, 975},
         {{"Style", 1}, {"BackColor", ui::color::kOrange}, {"Font", ui::font::kSans13Bold}, {"Visible", false}}},
        {"cmdOpt6",
         {4440, 1320, 1815, 975},
         {{"Style", 1}, {"BackColor", ui::color::kMidYellow}, {"Font", ui::font::kSans13Bold}, {"Visible", false}}},
        {"txtSprice",
         {150, 150, 495, 285},
         {{"BackColor", ui::color::kOrange}, {"Font", ui::font::kDialogBold}, {"Visible", false}}},
        {"txtMprice",
         {2310, 150, 495, 285},
         {{"BackColor", ui::color::kMidYellow}, {"Font", ui::font::kDialogBold}, {"Visible", false}}},
        {"txtPrice",
         {150, 1350, 495, 285},
         {{"BackColor", ui::color::kMidYellow}, {"Font", ui::font::kDialogBold}, {"Visible", false}}},
        {"txtLprice",
         {2320, 1350, 495, 285},
         {{"BackColor", ui::color::kOrange}, {"Font", ui::font::kDialogBold}, {"Visible", false}}},
    }};

}  // namespace

frmMsgbox::frmMsgbox() {
    ui::applyDesign(*this, kDesign);
    Move((ui::screen().width() - width()) / 2, (ui::screen().height() - height()) / 2);

    cmdS.onClick([this] { cmdS_Click(); });
    cmdM.onClick([this] { cmdM_Click(); });
    cmdYes.onClick([this] { cmdYes_Click(); });
    cmdNo.onClick([this] { cmdNo_Click(); });
    cmdOpt5.onClick([this] { cmdOpt5_Click(); });
    cmdOpt6.onClick([this] { cmdOpt6_Click(); });
}

void frmMsgbox::setAnswerControl(ui::Control& control) {
    answerForm_ = control.form().name();
    answerName_ = control.name();
    answerIndex_ = control.index();
}

ui::Control* frmMsgbox::answerControl() const {
    if (answerForm_.empty()) return nullptr;
    ui::Form* asking = ui::forms().find(answerForm_);
    return asking ? asking->control(answerName_, answerIndex_) : nullptr;
}

void frmMsgbox::Form_Load() { setBackColor(kWhite); }

void frmMsgbox::Form_Activate() {
    const std::string& mode = tag();
    // Only the answer to this question counts.
    if (ui::Control* answer = answerControl()) answer->setTag("");
    if (mode == "0") {
        for (ui::TextBox* box : {&txtSprice, &txtMprice, &txtPrice, &txtLprice})
            if (ui::Control* sizeLabel = controlOf("frmSetMenu", box->name()))
                box->setText(sizeLabel->property("Text"));
    }
    for (const DeletingQuestion& q : kDeletingQuestions) {
        if (mode != q.mode) continue;
        lblMsg.setCaption(q.question);
        if (ui::forms().get<frmInfor>().cmdEtoC.enabled()) {
            lblC.setCaption(q.secondLanguage);
            cmdYes.setCaption("Del 消除");
            cmdNo.setCaption("No 保留");
        } else {
            cmdYes.setCaption("Del");
            cmdNo.setCaption("No");
        }
    }
    if (mode == "6") {
        cmdYes.setCaption("Add to last Order");
        cmdNo.setCaption("New Order");
    }
    if (mode == "7") {
        for (ui::CommandButton* option : {&cmdOpt5, &cmdOpt6}) {
            if (option->caption().empty()) continue;
            option->setVisible(true);
            setWidth(6464);
        }
    }
    for (ui::CommandButton* b : {&cmdS, &cmdM, &cmdYes, &cmdNo}) b->setVisible(!b->caption().empty());
    Refresh();
}

void frmMsgbox::answerYes() {
    if (ui::Control* answer = answerControl()) {
        answer->setTag("Yes");
    } else if (tag() == "4") {
        // The order book screen asks without naming its control; its Fresh button takes the answer.
        if (ui::Control* reset = controlOf("frmReset", "cmdReset")) reset->setTag("Yes");
    }
}

void frmMsgbox::answerSize(const char* size) {
    if (ui::Control* lblList = controlOf("frmRooms", "lblList")) lblList->setTag(size);
}

void frmMsgbox::answerOption(int column) {
    auto* dbList = dynamic_cast<ui::DBGrid*>(controlOf("frmRooms", "dbList"));
    ui::Control* cmdAsk = controlOf("frmRooms", "cmdAsk");
    if (!dbList || !cmdAsk || dbList->row() < 0) return;
    int row = dbList->row();
    std::string option = dbList->textMatrix(row, column);
    // The item's text takes the option: an edit of the grid's current row, stored when it is left.
    dbList->setColumnText(1, dbList->columnText(1) + " /" + option);
    cmdAsk->setTag(std::to_string(core::text::len(option)));
}

void frmMsgbox::close() {
    setTag("0");
    Unload();
}

void frmMsgbox::cmdS_Click() {
    if (tag() == "0") answerSize("M");
    if (tag() == "7") answerOption(7);
    close();
}

void frmMsgbox::cmdM_Click() {
    if (tag() == "0") answerSize("L");
    if (tag() == "7") answerOption(8);
    close();
}

void frmMsgbox::cmdYes_Click() {
    if (tag() == "7") answerOption(9);
    if (tag() == "3" || tag() == "4") answerYes();
    close();
}

void frmMsgbox::cmdNo_Click() {
    if (tag() == "0") answerSize("XL");
    if (tag() == "7") answerOption(10);
    close();
}

void frmMsgbox::cmdOpt5_Click() {
    if (tag() == "7") answerOption(11);
    close();
}

void frmMsgbox::cmdOpt6_Click() {
    if (tag() == "7") answerOption(12);
    close();
}

bool AskChoiceBox(std::string_view mode, ui::Control& answerControl) {
    frmMsgbox& box = ui::forms().get<frmMsgbox>();
    box.setAnswerControl(answerControl);
    box.setTag(std::string(mode));
    box.Show(ui::kModal);
    return answerControl.tag() == "Yes";
}

}  // namespace pelk::settings
