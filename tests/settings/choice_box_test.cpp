// The choice box frmMsgbox in each of its modes, with stand-ins for the screens that ask.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/input.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/frmMsgbox.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

// The room screen as the box sees it: the picked item's label, the option button and the item grid.
class frmRooms : public ui::Form {
public:
    frmRooms() { dbList.setDataSource(datList); }
    ui::Data datList{this, "datList"};
    ui::DBGrid dbList{this, "dbList"};
    ui::Label lblList{this, "lblList"};
    ui::CommandButton cmdAsk{this, "cmdAsk"};
    void Form_Load() override {
        datList.setDatabaseName(os::programPath("Items.mdb"));
        datList.setRecordSource("tbFriedRice");
        (void)datList.Refresh();
    }
};

// The item lists editor's size labels.
class frmSetMenu : public ui::Form {
public:
    frmSetMenu() {
        txtSprice.setText("M-");
        txtMprice.setText("L-");
        txtLprice.setText("XL-");
    }
    ui::TextBox txtSprice{this, "txtSprice"};
    ui::TextBox txtMprice{this, "txtMprice"};
    ui::TextBox txtPrice{this, "txtPrice"};
    ui::TextBox txtLprice{this, "txtLprice"};
};

// Two screens that renew their stores after a question in mode "3".
class frmCustmrTr : public ui::Form {
public:
    ui::Image imgRenew{this, "imgRenew"};
};
class frmRepRemv : public ui::Form {
public:
    ui::Image imgRenew{this, "imgRenew"};
};

class ChoiceBox : public test::ScreenTest {
protected:
    ChoiceBox() {
        ui::forms().registerForm<frmRooms>("frmRooms");
        ui::forms().registerForm<frmSetMenu>("frmSetMenu");
        ui::forms().registerForm<frmCustmrTr>("frmCustmrTr");
        ui::forms().registerForm<frmRepRemv>("frmRepRemv");
        db::TableDecl items{"tbFriedRice", {}, {}};
        for (const char* f : {"Dish_ID", "szMenu_nm", "szPrice_amt", "szMenu_ID", "szPriceS_amt", "szPriceM_amt",
                              "szPriceL_amt", "1", "2", "3", "4", "5", "6"})
            items.fields.push_back({f, db::Kind::Text, 50, false});
        items.firstRows.push_back({{"Dish_ID", "12"},
                                   {"szMenu_nm", "Fried Rice"},
                                   {"szPrice_amt", "$6.00"},
                                   {"1", "Small"},
                                   {"2", "Spicy"},
                                   {"3", "-"},
                                   {"4", "No Onion"},
                                   {"5", "Extra Egg"},
                                   {"6", ""}});
        EXPECT_TRUE(db::ensureStore(os::programPath("Items.mdb"), {"Items.mdb", {items}}).ok());
    }
    frmMsgbox& box() { return ui::forms().get<frmMsgbox>(); }
    // Shows the box waiting in `mode`, presses `button` inside the wait.
    void ask(const std::string& mode, ui::CommandButton frmMsgbox::*button) {
        box().setTag(mode);
        host().whileWaiting([this, button] {
            shown_ = visibleButtons();
            ui::input::click(box().*button);
        });
        box().Show(ui::kModal);
    }
    std::string visibleButtons() {
        std::string all;
        for (ui::CommandButton* b :
             {&box().cmdS, &box().cmdM, &box().cmdOpt5, &box().cmdYes, &box().cmdNo, &box().cmdOpt6})
            if (b->visible()) all += (all.empty() ? "" : " ") + b->name() + "=" + b->caption();
        return all;
    }
    void secondLanguage(bool on) {
        auto doza = db::Database::open(os::programPath("DOZA98.mdb"));
        ASSERT_TRUE(doza->execute(std::string("UPDATE tbSet SET cmdEtoC = ") + (on ? "1" : "0")).ok());
    }
    std::string shown_;
};

// The switch is frmInfor.cmdEtoC, which a load leaves enabled exactly when the stored option is 0.
TEST_F(ChoiceBox, DeletingQuestionsShowTheSecondLanguageWhileItsSwitchIsOn) {
    struct Case {
        const char* mode;
        bool storedOption;
        const char *question, *secondLine, *buttons;
    };
    for (const Case& c :
         {Case{"4", true, "Delete Training Invoices.", "", "cmdYes=Del cmdNo=No"},
          Case{"4", false, "Delete Training Invoices.", "削除培训期间的收据", "cmdYes=Del 消除 cmdNo=No 保留"},
          Case{"3", false, "Delete Customers Information.", "削除顾客质料", "cmdYes=Del 消除 cmdNo=No 保留"},
          Case{"2", true, "Delete Files.", "", "cmdYes=Del cmdNo=No"},
          Case{"2", false, "Delete Files.", "削除质料", "cmdYes=Del 消除 cmdNo=No 保留"}}) {
        secondLanguage(c.storedOption);
        std::string question, line;
        box().setTag(c.mode);
        host().whileWaiting([&] {
            question = box().lblMsg.caption();
            line = box().lblC.caption();
            shown_ = visibleButtons();
            EXPECT_EQ(box().backColor(), 0xFFFFFF);
            ui::input::click(box().cmdNo);
        });
        box().Show(ui::kModal);
        EXPECT_EQ(question, c.question) << c.mode;
        EXPECT_EQ(line, c.secondLine) << c.mode << c.storedOption;
        EXPECT_EQ(shown_, c.buttons) << c.mode << c.storedOption;
        EXPECT_FALSE(ui::forms().isLoaded<frmMsgbox>());
        // The holder read the switch when it loaded; the next store change needs a fresh one.
        ui::Unload<frmInfor>();
    }
}

TEST_F(ChoiceBox, AYesReachesOnlyTheScreenThatAsked) {
    frmCustmrTr& customers = ui::forms().get<frmCustmrTr>();
    frmRepRemv& removed = ui::forms().get<frmRepRemv>();
    host().whileWaiting([this] { ui::input::click(box().cmdYes); });
    EXPECT_TRUE(AskChoiceBox("3", customers.imgRenew));
    EXPECT_EQ(customers.imgRenew.tag(), "Yes");
    EXPECT_EQ(removed.imgRenew.tag(), "");
    EXPECT_FALSE(ui::forms().isLoaded<frmMsgbox>());

    // A "No" after an earlier "Yes" is a no: the box clears the answer when it opens.
    host().whileWaiting([this] { ui::input::click(box().cmdNo); });
    EXPECT_FALSE(AskChoiceBox("3", customers.imgRenew));
    EXPECT_EQ(customers.imgRenew.tag(), "");

    host().whileWaiting([this] { ui::input::click(box().cmdYes); });
    EXPECT_TRUE(AskChoiceBox("4", removed.imgRenew));
    EXPECT_EQ(removed.imgRenew.tag(), "Yes");
    EXPECT_EQ(customers.imgRenew.tag(), "");
}

TEST_F(ChoiceBox, EveryAnswerLeavesTheBoxUnloadedWithTheModeZero) {
    frmMsgbox* answered = nullptr;
    box().setTag("6");
    host().whileWaiting([&] {
        shown_ = visibleButtons();
        answered = &box();
        ui::input::click(box().cmdYes);
        EXPECT_EQ(answered->tag(), "0");
    });
    box().Show(ui::kModal);
    EXPECT_EQ(shown_, "cmdYes=Add to last Order cmdNo=New Order");
    EXPECT_FALSE(ui::forms().isLoaded<frmMsgbox>());
    // The next reference is a fresh box with no mode.
    EXPECT_EQ(box().tag(), "");
    EXPECT_FALSE(box().cmdYes.visible());

    // A mode the box does not know lays out nothing: the captioned buttons show and write nothing.
    box().cmdM.setCaption("Maybe");
    ask("8", &frmMsgbox::cmdM);
    EXPECT_EQ(shown_, "cmdM=Maybe");
    EXPECT_EQ(ui::forms().get<frmRooms>().lblList.tag(), "");
}

TEST_F(ChoiceBox, ASizeQuestionAnswersInTheRoomScreensLabel) {
    frmRooms& rooms = ui::forms().get<frmRooms>();
    rooms.lblList.setTag("before");
    // An item with prices for sizes 2 and 3 only.
    for (int round = 0; round < 2; ++round) {
        box().cmdM.setCaption("$7.00");
        box().cmdNo.setCaption("$8.00");
        box().txtMprice.setVisible(true);
        box().txtLprice.setVisible(true);
        box().cmdYes.setCaption("$6.00");
        std::string label;
        box().setTag("0");
        host().whileWaiting([&] {
            shown_ = visibleButtons();
            label = box().txtMprice.text() + "|" + box().txtLprice.text() + "|" + box().txtSprice.text();
            ui::input::click(round == 0 ? box().cmdYes : box().cmdNo);
        });
        box().Show(ui::kModal);
        EXPECT_EQ(shown_, "cmdM=$7.00 cmdYes=$6.00 cmdNo=$8.00");
        EXPECT_EQ(label, "L-|XL-|M-");
        // The base price writes nothing; the third size "XL".
        EXPECT_EQ(rooms.lblList.tag(), round == 0 ? "before" : "XL");
    }
    box().cmdS.setCaption("$5.00");
    ask("0", &frmMsgbox::cmdS);
    EXPECT_EQ(rooms.lblList.tag(), "M");
    box().cmdM.setCaption("$7.00");
    ask("0", &frmMsgbox::cmdM);
    EXPECT_EQ(rooms.lblList.tag(), "L");
}

TEST_F(ChoiceBox, AnOptionGoesOntoTheItemAndTheBoxWidensForTheThirdColumn) {
    frmRooms& rooms = ui::forms().get<frmRooms>();
    ASSERT_EQ(rooms.dbList.textMatrix(0, 1), "Fried Rice");
    // The clerk may not type into the grid; the box writes into it as code does.
    rooms.dbList.setAllowUpdate(false);
    double narrow = box().width();
    box().cmdS.setCaption("Small");
    box().cmdM.setCaption("Spicy");
    box().cmdYes.setCaption("No Onion");
    box().cmdOpt5.setCaption("Extra Egg");
    double width = 0;
    box().setTag("7");
    host().whileWaiting([&] {
        shown_ = visibleButtons();
        width = box().width();
        ui::input::click(box().cmdOpt5);
    });
    box().Show(ui::kModal);
    EXPECT_EQ(shown_, "cmdS=Small cmdM=Spicy cmdOpt5=Extra Egg cmdYes=No Onion");
    EXPECT_DOUBLE_EQ(width, 6464);
    EXPECT_EQ(rooms.dbList.textMatrix(0, 1), "Fried Rice /Extra Egg");
    EXPECT_EQ(rooms.cmdAsk.tag(), "9");

    // Two options: the box keeps its width. A caption on cmdOpt6 alone widens it.
    box().cmdS.setCaption("Small");
    box().cmdM.setCaption("Spicy");
    box().setTag("7");
    host().whileWaiting([&] {
        width = box().width();
        ui::input::click(box().cmdS);
    });
    box().Show(ui::kModal);
    EXPECT_DOUBLE_EQ(width, narrow);
    EXPECT_EQ(rooms.dbList.textMatrix(0, 1), "Fried Rice /Extra Egg /Small");
    EXPECT_EQ(rooms.cmdAsk.tag(), "5");

    box().cmdOpt6.setCaption("Well Done");
    box().setTag("7");
    host().whileWaiting([&] {
        shown_ = visibleButtons();
        width = box().width();
        ui::input::click(box().cmdOpt6);
    });
    box().Show(ui::kModal);
    EXPECT_EQ(shown_, "cmdOpt6=Well Done");
    EXPECT_DOUBLE_EQ(width, 6464);
    // The sixth option of this item is empty.
    EXPECT_EQ(rooms.dbList.textMatrix(0, 1), "Fried Rice /Extra Egg /Small /");
    EXPECT_EQ(rooms.cmdAsk.tag(), "0");
}

}  // namespace
}  // namespace pelk::settings
