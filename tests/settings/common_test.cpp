// The routines every screen shares.

#include "settings/common.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "settings/frmBSfwSet.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

// A screen opened from a hub, and a hub with a picture button, for the routines to act on.
class frmTestScreen : public ui::Form {
public:
    frmTestScreen() {
        setWidth(6000);
        setHeight(3000);
        cmdEtoC.setCaption("C");
        cmdEtoC.onClick([this] { ToggleSecondLanguage(cmdEtoC, {&lblTitle, &lblNotes}, {&imgTitle}); });
    }
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};
    ui::Label lblTitle{this, "lblTitle"};
    ui::Label lblNotes{this, "lblNotes"};
    ui::Image imgTitle{this, "imgTitle"};
    void Form_Load() override { imgTitle.setVisible(false); }
};

class frmTestHub : public ui::Form {
public:
    frmTestHub() {
        ImgNet.onMouseDown([this] { PressImageButton::MouseDown(ImgNet); });
        ImgNet.onMouseUp([this] { PressImageButton::MouseUp<frmTestScreen>(ImgNet, *this); });
    }
    ui::Image ImgNet{this, "ImgNet"};
    ui::Image ImgNet2{this, "ImgNet2"};
};

class frmTestStations : public ui::Form {
public:
    ui::ControlArray<ui::ComboBox> Cmb{this, "Cmb", kStationSections};
    StationLists lists() {
        StationLists all{};
        for (int i = 0; i < kStationSections; ++i) all[i] = &Cmb(i);
        return all;
    }
};

class CommonRoutines : public test::ScreenTest {
protected:
    CommonRoutines() {
        ui::forms().registerForm<frmTestScreen>("frmTestScreen");
        ui::forms().registerForm<frmTestHub>("frmTestHub");
        ui::forms().registerForm<frmTestStations>("frmTestStations");
    }
    frmTestScreen& screen() { return ui::forms().get<frmTestScreen>(); }
};

// The store settings screen and the wizard's sections step offer these same codes.
TEST_F(CommonRoutines, EachStationListOffersItsSectionsStations) {
    frmTestStations& form = ui::forms().get<frmTestStations>();
    FillStationLists(form.lists());
    using Codes = std::vector<std::string>;
    const Codes drinks = {"D", "-"}, kitchensAndSalads = {"A", "B", "S", "-"}, kitchens = {"A", "B", "-"};
    const Codes expected[kStationSections] = {drinks,   kitchens, kitchensAndSalads, kitchensAndSalads,
                                              kitchens, kitchens, kitchens,          kitchens,
                                              kitchens, kitchens, kitchens,          kitchens};
    for (int i = 0; i < kStationSections; ++i) {
        EXPECT_EQ(form.Cmb(i).items(), expected[i]) << kSectionNames[i];
        EXPECT_EQ(form.Cmb(i).text(), "") << kSectionNames[i];
    }
}

TEST_F(CommonRoutines, CentreFormPlacesByTheDivisorAndNeverOffTheDisplay) {
    struct Case {
        double screenW, screenH, formW, formH, k;
        double left, top;
    };
    for (const Case& c : {Case{15360, 11520, 6000, 3000, 5, 4680, 1704}, Case{15360, 11520, 6000, 3000, 20, 4680, 426},
                          Case{15360, 11520, 6000, 3000, 2.5, 4680, 3408},
                          // Larger than the display: at its edge, not off it.
                          Case{9600, 7200, 11520, 8640, 5, 0, 0}}) {
        ui::screen().setSize(c.screenW, c.screenH);
        frmTestScreen& f = screen();
        f.setWidth(c.formW);
        f.setHeight(c.formH);
        CentreForm(f, c.k);
        EXPECT_DOUBLE_EQ(f.left(), c.left) << "k " << c.k;
        EXPECT_DOUBLE_EQ(f.top(), c.top) << "k " << c.k;
        EXPECT_EQ(f.backColor(), 0xC0FFC0);
    }
    frmTestScreen& f = screen();
    f.setBackColor(0xFFFFFF);
    CentreForm(f, 5, false);
    EXPECT_EQ(f.backColor(), 0xFFFFFF);
}

TEST_F(CommonRoutines, CloseToHubReturnsToTheHubUnlessOpenedFromTheMenu) {
    struct Case {
        const char* tag;
        bool hubShown;
    };
    for (const Case& c : {Case{"QS", false}, Case{"", true}, Case{"qs", true}, Case{"Chk In", true}}) {
        screen().setTag(c.tag);
        screen().Show();
        CloseToHub<frmBSfwSet>(screen());
        EXPECT_FALSE(ui::forms().isLoaded<frmTestScreen>()) << c.tag;
        ui::Form* hub = ui::forms().find("frmBSfwSet");
        EXPECT_EQ(hub && hub->visible(), c.hubShown) << c.tag;
        ui::Unload<frmBSfwSet>();
    }
    // By name: a hub nobody registered yet is simply not shown.
    screen().Show();
    CloseToHub(screen(), "frmBMReport");
    EXPECT_FALSE(ui::forms().isLoaded<frmTestScreen>());
    screen().Show();
    CloseToHub(screen(), "frmBSfwSet");
    EXPECT_TRUE(ui::forms().find("frmBSfwSet")->visible());
}

TEST_F(CommonRoutines, APictureButtonLooksPressedAndOpensItsTargetOnRelease) {
    frmTestHub& hub = ui::forms().get<frmTestHub>();
    hub.Show();
    hub.ImgNet.raiseMouseDown();
    EXPECT_FALSE(hub.ImgNet.visible());
    EXPECT_TRUE(hub.ImgNet2.visible());
    EXPECT_EQ(host().beeps(), 1);
    EXPECT_FALSE(ui::forms().isLoaded<frmTestScreen>());
    hub.ImgNet.raiseMouseUp();
    EXPECT_FALSE(ui::forms().isLoaded<frmTestHub>());
    EXPECT_TRUE(ui::forms().find<frmTestScreen>()->visible());

    // A picture its hub disabled takes neither press nor release.
    ui::forms().get<frmTestScreen>().Unload();
    frmTestHub& again = ui::forms().get<frmTestHub>();
    again.Show();
    again.ImgNet.setEnabled(false);
    EXPECT_FALSE(ui::input::click(again.ImgNet));
    EXPECT_EQ(host().beeps(), 1);
    EXPECT_TRUE(again.ImgNet.visible());
    EXPECT_FALSE(ui::forms().isLoaded<frmTestScreen>());
}

TEST_F(CommonRoutines, TheLanguageToggleSwapsLabelsForPicturesAndBack) {
    frmTestScreen& f = screen();
    f.Show();
    ui::input::click(f.cmdEtoC);
    EXPECT_EQ(f.cmdEtoC.caption(), "E");
    EXPECT_EQ(f.cmdEtoC.backColor(), 0x0000FF);
    EXPECT_TRUE(f.imgTitle.visible());
    EXPECT_FALSE(f.lblTitle.visible());
    EXPECT_FALSE(f.lblNotes.visible());
    ui::input::click(f.cmdEtoC);
    EXPECT_EQ(f.cmdEtoC.caption(), "C");
    EXPECT_EQ(f.cmdEtoC.backColor(), 0x00FFFF);
    EXPECT_FALSE(f.imgTitle.visible());
    EXPECT_TRUE(f.lblTitle.visible());
    // Any other caption does nothing.
    f.cmdEtoC.setCaption("E Only");
    ui::input::click(f.cmdEtoC);
    EXPECT_EQ(f.cmdEtoC.caption(), "E Only");
    EXPECT_TRUE(f.lblTitle.visible());
}

// ---- The record editors' error handler ----

// A guarded procedure of four statements; `failing` says which fails and how.
std::vector<int> runGuarded(int failingStep, db::Error failure, int buttons = ui::kOKOnly) {
    std::vector<int> ran;
    EditErrorHandler onError(buttons);
    for (int step = 1; step <= 4; ++step) {
        db::Status outcome = step == failingStep ? db::Status{failure} : db::Status{};
        if (step != failingStep) ran.push_back(step);
        if (!onError(outcome)) return ran;
    }
    return ran;
}

TEST_F(CommonRoutines, TheEditErrorHandlerPassesOverFileNotFoundAndStopsOnAnyOtherError) {
    EXPECT_EQ(runGuarded(0, {}), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(host().messageBoxes().empty());

    std::string prefix = FrmPathPrefix();
    EXPECT_EQ(runGuarded(2, {"", "File not found", kErrFileNotFound}), (std::vector<int>{1, 3, 4}));
    EXPECT_TRUE(host().messageBoxes().empty());
    EXPECT_NE(FrmPathPrefix(), prefix);
    (void)runGuarded(2, {"", "File not found", kErrFileNotFound});
    EXPECT_EQ(FrmPathPrefix(), prefix);

    EXPECT_EQ(runGuarded(2, {"Infor.mdb", "The changes were not made: a duplicate value.", 3022}, ui::kOKCancel),
              (std::vector<int>{1}));
    ASSERT_EQ(host().messageBoxes().size(), 1u);
    const ui::MessageBoxRecord& box = host().messageBoxes()[0];
    EXPECT_EQ(box.prompt, "Error #: 3022\rThe changes were not made: a duplicate value.");
    EXPECT_EQ(box.title, "Incorrect Enter, Please follow the users menu.");
    EXPECT_EQ(box.icon(), ui::MsgBoxIcon::Critical);
    EXPECT_EQ(box.buttons(), (std::vector<ui::MsgBoxResult>{ui::MsgBoxResult::OK, ui::MsgBoxResult::Cancel}));
}

// ---- Renewing a store from its blank template ----

class Renewals : public CommonRoutines {
protected:
    Renewals() {
        db::StoreDecl live{"Book.mdb",
                           {{"tbBook", {{"szNo", db::Kind::Text, 10, false}}, {{{"szNo", "1"}}, {{"szNo", "2"}}}}}};
        db::StoreDecl blank{"VyBook.mdb", {{"tbBook", {{"szNo", db::Kind::Text, 10, false}}, {}}}};
        EXPECT_TRUE(db::ensureStore(os::programPath("Book.mdb"), live).ok());
        EXPECT_TRUE(db::ensureStore(os::programPath("VyBook.mdb"), blank).ok());
    }
    long rows() {
        auto store = db::Database::open(os::programPath("Book.mdb"));
        if (!store) return -1;
        auto rs = store->openRecordset("tbBook");
        return rs ? rs->recordCount() : -1;
    }
    Renewal book(ui::Form* screen = nullptr, std::string missing = "") {
        return {"VyBook.mdb", "Book.mdb", std::move(missing), screen};
    }
    static bool yes() { return true; }
    static bool no() { return false; }
};

TEST_F(Renewals, OnlyAYesRenewsTheStoreAndTheScreenComesBackFresh) {
    EXPECT_FALSE(RenewFromTemplate(no, book()));
    EXPECT_EQ(rows(), 2);

    screen().Show();
    screen().setTag("before");
    EXPECT_TRUE(RenewFromTemplate(yes, book(&screen())));
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(host().messageBoxes().empty());
    // Shown again: a fresh load, not the old instance.
    ASSERT_TRUE(ui::forms().isLoaded<frmTestScreen>());
    EXPECT_TRUE(screen().visible());
    EXPECT_EQ(screen().tag(), "");
    EXPECT_TRUE(os::fileExists(os::programPath("VyBook.mdb")));
}

TEST_F(Renewals, AMissingTemplateLeavesTheStoreAndTellsTheClerk) {
    ASSERT_TRUE(os::deleteFile(os::programPath("VyBook.mdb")));
    screen().Show();
    EXPECT_FALSE(RenewFromTemplate(yes, book(&screen(), "VYBOOK File Missing, the book can not be delete.")));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(prompts(), (std::vector<std::string>{"VYBOOK File Missing, the book can not be delete."}));
    EXPECT_EQ(host().messageBoxes()[0].title, "Pelk POS 4");
    // Nothing was released.
    EXPECT_TRUE(screen().visible());

    // Without a message of its own, the general one.
    EXPECT_FALSE(RenewFromTemplate(yes, book()));
    EXPECT_EQ(rows(), 2);
    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts()[1].rfind("Book.mdb was not renewed and stays as it was.", 0), 0u) << prompts()[1];
}

TEST_F(Renewals, AStoreOpenOnAnotherStationIsRenewedUnderIt) {
    auto other = db::Database::open(os::programPath("Book.mdb"));
    ASSERT_TRUE(other.ok());
    auto rs = other->openRecordset("tbBook");
    ASSERT_TRUE(rs.ok());
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_TRUE(RenewFromTemplate(yes, book()));
    EXPECT_EQ(rows(), 0);
    // The other station's handle stays good and sees the blank store.
    ASSERT_TRUE(rs->Requery().ok());
    EXPECT_EQ(rs->recordCount(), 0);
}

TEST_F(Renewals, AStoreAnotherStationIsWritingStaysWholeAndTheClerkIsTold) {
    sqlite3* station = nullptr;
    ASSERT_EQ(sqlite3_open(os::mapPath(os::programPath("Book.mdb")).c_str(), &station), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(station, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    int timeout = db::busyTimeout();
    db::setBusyTimeout(50);
    screen().Show();
    bool renewed = RenewFromTemplate(yes, book(&screen()));
    db::setBusyTimeout(timeout);
    sqlite3_exec(station, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(station);

    EXPECT_FALSE(renewed);
    EXPECT_EQ(rows(), 2);
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("Book.mdb was not renewed and stays as it was.", 0), 0u) << prompts()[0];
    EXPECT_EQ(host().messageBoxes()[0].icon(), ui::MsgBoxIcon::Critical);
    // The screen that let go of the store is back.
    ASSERT_TRUE(ui::forms().isLoaded<frmTestScreen>());
    EXPECT_TRUE(screen().visible());
}

TEST_F(Renewals, AYesNoQuestionAsksPlainly) {
    host().answer(ui::MsgBoxResult::No);
    EXPECT_FALSE(RenewFromTemplate([] { return AskYesNo("Files Will Be Deleted."); }, book()));
    EXPECT_EQ(rows(), 2);
    host().answer(ui::MsgBoxResult::Yes);
    EXPECT_TRUE(RenewFromTemplate([] { return AskYesNo("Files Will Be Deleted."); }, book()));
    EXPECT_EQ(rows(), 0);
    ASSERT_EQ(host().messageBoxes().size(), 2u);
    EXPECT_EQ(host().messageBoxes()[0].prompt, "Files Will Be Deleted.");
    EXPECT_EQ(host().messageBoxes()[0].buttons(),
              (std::vector<ui::MsgBoxResult>{ui::MsgBoxResult::Yes, ui::MsgBoxResult::No}));
}

}  // namespace
}  // namespace pelk::settings
