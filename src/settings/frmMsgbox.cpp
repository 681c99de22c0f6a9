#include "settings/frmMsgbox.h"

#include <string>

#include "platform/core/text.h"
#include "platform/ui/dbgrid.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::settings {

namespace {

constexpr ui::Color kOrange = 0x0080FF;
constexpr ui::Color kLightYellow = 0x80FFFF;

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

}  // namespace

frmMsgbox::frmMsgbox() {
    setCaption("Form1");
    setBorderStyle(3);
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    setWidth(4335);
    setHeight(2835);
    Move((ui::screen().width() - width()) / 2, (ui::screen().height() - height()) / 2);
    for (ui::Label* l : {&lblMsg, &lblC}) {
        l->setBackColor(kWhite);
        l->setFontSize(12);
        l->setFontBold(true);
        l->setWidth(3975);
        l->setHeight(495);
    }
    lblMsg.Move(120, 120);
    lblC.Move(120, 600);
    struct Layout {
        ui::CommandButton* button;
        double left, top;
        ui::Color colour;
    };
    for (const Layout& b : {Layout{&cmdS, 120, 120, kOrange}, Layout{&cmdM, 2280, 120, kLightYellow},
                            Layout{&cmdOpt5, 4440, 120, kOrange}, Layout{&cmdYes, 120, 1320, kLightYellow},
                            Layout{&cmdNo, 2280, 1320, kOrange}, Layout{&cmdOpt6, 4440, 1320, kLightYellow}}) {
        b.button->setStyle(1);
        b.button->Move(b.left, b.top, 1815, 975);
        b.button->setBackColor(b.colour);
        b.button->setFontSize(13.5);
        b.button->setFontBold(true);
        b.button->setVisible(false);
    }
    struct SizeLabel {
        ui::TextBox* box;
        double left, top;
        ui::Color colour;
    };
    for (const SizeLabel& t :
         {SizeLabel{&txtSprice, 150, 150, kOrange}, SizeLabel{&txtMprice, 2310, 150, kLightYellow},
          SizeLabel{&txtPrice, 150, 1350, kLightYellow}, SizeLabel{&txtLprice, 2320, 1350, kOrange}}) {
        t.box->Move(t.left, t.top, 495, 285);
        t.box->setBackColor(t.colour);
        t.box->setFontSize(8.25);
        t.box->setFontBold(true);
        t.box->setVisible(false);
    }

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
