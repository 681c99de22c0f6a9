// The main window and the main button panel where a road script cannot show them: the hand-offs
// to screens that later parts of the program build (shown here on stand-ins with the controls
// those screens are to have), shortcuts, the printer dialog, the close box, and a machine that
// refuses to go down.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/actions.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "settings/frmNWSetin.h"
#include "settings/frmReset.h"
#include "shell/frmBCEplop.h"
#include "shell/frmBOffice.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmShutdown.h"
#include "support/screens.h"

namespace pelk::shell {
namespace {

// A screen of a later part, as far as the panel and the menus write into it: its controls by
// name, and every write in the order it came, with whether the panel was still loaded then.
class StandIn : public ui::Form, public ui::FormListener {
public:
    StandIn(std::vector<std::string> labels, std::vector<std::string> boxes, std::vector<std::string> buttons) {
        for (const auto& n : labels) controls_.push_back(std::make_unique<ui::Label>(this, n));
        for (const auto& n : boxes) controls_.push_back(std::make_unique<ui::TextBox>(this, n));
        for (const auto& n : buttons) controls_.push_back(std::make_unique<ui::CommandButton>(this, n));
        addListener(this);
    }
    ~StandIn() override { removeListener(this); }

    void formChanged(ui::Form&, std::string_view property) override {
        if (property == "Tag") note("Tag=" + tag());
    }
    void controlChanged(ui::Control& c, std::string_view property) override {
        note(c.name() + "." + std::string(property) + "=" + c.property(property));
    }

    std::vector<std::string> writes;
    bool panelLoadedAtFirstWrite = false;

private:
    void note(std::string w) {
        if (writes.empty()) panelLoadedAtFirstWrite = ui::forms().isLoaded<frmMainButn>();
        writes.push_back(std::move(w));
    }
    std::vector<std::unique_ptr<ui::Control>> controls_;
};

// One stand-in class per screen name: the registry tells screens apart by their class.
template <int Id>
class StandInFor : public StandIn {
public:
    StandInFor() : StandIn(labels(), boxes(), buttons()) {}
    static std::vector<std::string> labels();
    static std::vector<std::string> boxes();
    static std::vector<std::string> buttons();
};

enum { kMap, kChkDate, kReservAdd, kReserv, kReports, kRepDy, kRepAccPayable, kSetMenu, kRegister };

template <>
std::vector<std::string> StandInFor<kMap>::labels() {
    return {"lblMode", "lblDIn", "lblDOut"};
}
template <>
std::vector<std::string> StandInFor<kMap>::boxes() {
    return {"txtDateIn", "txtDateOut"};
}
template <>
std::vector<std::string> StandInFor<kMap>::buttons() {
    return {"cmdLess", "cmdMore", "cmdOLess", "cmdOMore"};
}
template <>
std::vector<std::string> StandInFor<kReservAdd>::labels() {
    return {"lblForm", "lblRequire", "Label16", "Label20", "Label21", "Label22", "Label23",
            "Label24", "Label25",    "Label26", "Label37", "Label39", "Label41"};
}
template <>
std::vector<std::string> StandInFor<kReservAdd>::boxes() {
    return {};
}
template <>
std::vector<std::string> StandInFor<kReservAdd>::buttons() {
    return {"cmdSave", "cmdNew", "cmdErase", "cmdUpdate"};
}
template <int Id>
std::vector<std::string> StandInFor<Id>::labels() {
    return {};
}
template <int Id>
std::vector<std::string> StandInFor<Id>::boxes() {
    return {};
}
template <int Id>
std::vector<std::string> StandInFor<Id>::buttons() {
    return {};
}

class MainWindow : public test::ScreenTest {
protected:
    MainWindow() {
        os::setActions(actions_);
        ui::markProgramStarted();
    }
    ~MainWindow() override { os::setActions(nullptr); }

    template <int Id>
    void standIn(const char* name) {
        if (!ui::forms().isRegistered(name))
            ui::forms().registerForm(name, typeid(StandInFor<Id>), [] { return std::make_unique<StandInFor<Id>>(); });
    }
    template <int Id>
    StandIn* standInLoaded() {
        return ui::forms().find<StandInFor<Id>>();
    }

    // A user logged in at level 3, as the log-in leaves the station.
    frmMain& logIn() {
        frmMain& main = ui::forms().get<frmMain>();
        main.setTag("Level 3");
        main.Show();
        ui::forms().get<frmMainButn>().Show();
        return main;
    }
    static frmMainButn& panel() { return *ui::forms().find<frmMainButn>(); }

    std::shared_ptr<os::RecordingActions> actions_ = std::make_shared<os::RecordingActions>();
};

TEST_F(MainWindow, CheckInAndCheckOutHandTheMapItsModeAndToday) {
    if (ui::forms().isRegistered("frmMap")) GTEST_SKIP() << "the room map is built; its own roads show the hand-off";
    standIn<kMap>("frmMap");
    struct Case {
        const char* button;
        std::vector<std::string> writes;
    };
    for (const Case& c : {
             Case{"cmdChkIn",
                  {"Tag=Chk In", "lblMode.Caption=ChkI", "txtDateIn.Text=1/5/2026", "lblDIn.Visible=True",
                   "txtDateIn.Visible=True", "cmdLess.Visible=True", "cmdMore.Visible=True"}},
             Case{"cmkChkOut",
                  {"Tag=Chk Out", "lblMode.Caption=ChkO", "txtDateOut.Text=1/5/2026", "lblDOut.Visible=True",
                   "txtDateOut.Visible=True", "cmdOLess.Visible=True", "cmdOMore.Visible=True"}},
         }) {
        logIn();
        // Hidden at design, as the map keeps them until a mode shows them.
        ui::Form& map = ui::forms().byName("frmMap");
        for (const char* n :
             {"lblDIn", "txtDateIn", "cmdLess", "cmdMore", "lblDOut", "txtDateOut", "cmdOLess", "cmdOMore"})
            map.control(n)->setVisible(false);
        StandIn& written = *standInLoaded<kMap>();
        written.writes.clear();

        ASSERT_TRUE(ui::input::click(*panel().control(c.button)));
        EXPECT_FALSE(written.panelLoadedAtFirstWrite) << c.button << ": the panel leaves first";
        EXPECT_FALSE(ui::forms().isLoaded<frmMainButn>());
        EXPECT_EQ(written.writes, c.writes) << c.button;
        EXPECT_TRUE(map.visible());
        map.Unload();
    }
}

TEST_F(MainWindow, ReservationSearchOpensTheReservationScreenInItsSearchRoleOverThePanel) {
    if (ui::forms().isRegistered("frmReservAdd")) GTEST_SKIP() << "the reservation screen is built";
    standIn<kReservAdd>("frmReservAdd");
    logIn();
    ui::Form& reservation = ui::forms().byName("frmReservAdd");
    reservation.control("cmdUpdate")->setEnabled(false);
    StandIn& written = *standInLoaded<kReservAdd>();
    written.writes.clear();

    ASSERT_TRUE(ui::input::click(panel().cmdReserSearch));
    EXPECT_TRUE(written.panelLoadedAtFirstWrite);
    std::vector<std::string> expected = {"lblForm.Caption=Reservation Search",
                                         "lblForm.BackColor=255",
                                         "cmdSave.Visible=False",
                                         "cmdNew.Visible=False",
                                         "cmdErase.Visible=False",
                                         "cmdUpdate.Enabled=True"};
    for (const char* n : {"lblRequire", "Label16", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25",
                          "Label26", "Label37", "Label39", "Label41"})
        expected.push_back(std::string(n) + ".Visible=False");
    EXPECT_EQ(written.writes, expected);
    EXPECT_TRUE(reservation.visible());
    EXPECT_TRUE(panel().isLoaded());
}

TEST_F(MainWindow, ReservationsLeavesThePanelForTheStayDatePicker) {
    if (ui::forms().isRegistered("frmChkDate")) GTEST_SKIP() << "the stay-date picker is built";
    standIn<kChkDate>("frmChkDate");
    logIn();
    ASSERT_TRUE(ui::input::click(panel().cmdReserv));
    EXPECT_FALSE(ui::forms().isLoaded<frmMainButn>());
    ASSERT_NE(standInLoaded<kChkDate>(), nullptr);
    EXPECT_TRUE(standInLoaded<kChkDate>()->visible());
    EXPECT_EQ(standInLoaded<kChkDate>()->tag(), "");
}

TEST_F(MainWindow, AButtonWhoseScreenIsNotBuiltLeavesTheClerkOnThePanel) {
    for (const char* later : {"frmMap", "frmChkDate", "frmReservAdd"})
        if (ui::forms().isRegistered(later)) GTEST_SKIP() << later << " is built";
    logIn();
    for (ui::CommandButton* b : {&panel().cmdReserv, &panel().cmdChkIn, &panel().cmkChkOut, &panel().cmdReserSearch}) {
        ASSERT_TRUE(ui::input::click(*b));
        ASSERT_TRUE(ui::forms().isLoaded<frmMainButn>());
        EXPECT_TRUE(panel().visible());
    }
}

TEST_F(MainWindow, MenuItemsOfLaterScreensMarkOrOnlyShowThem) {
    standIn<kReserv>("frmReserv");
    standIn<kReports>("frmReports");
    standIn<kRepDy>("frmRepDy");
    standIn<kRepAccPayable>("frmRepAccPayable");
    standIn<kSetMenu>("frmSetMenu");
    frmMain& main = logIn();
    struct Case {
        ui::Menu& item;
        const char* screen;
        const char* tag;  // after the click, when the screen was loaded with the Tag "kept"
    };
    for (const Case& c : {
             Case{main.mmAccntRece, "frmReports", "QS"},
             Case{main.mmRepGroup, "frmRepDy", "QS"},
             Case{main.mmAccPayable, "frmRepAccPayable", "QS"},
             Case{main.mmPrice, "frmSetMenu", "QS"},
             Case{main.mmReserv, "frmReserv", "kept"},
         }) {
        // A fresh screen: loaded by the click.
        if (ui::Form* open = ui::forms().find(c.screen)) open->Unload();
        ASSERT_TRUE(ui::input::click(c.item)) << c.screen;
        ui::Form* shown = ui::forms().find(c.screen);
        ASSERT_NE(shown, nullptr) << c.screen;
        EXPECT_TRUE(shown->visible()) << c.screen;
        EXPECT_EQ(shown->tag(), std::string(c.tag) == "QS" ? "QS" : "") << c.screen;
        // An open screen is brought forward; only the marking items write into it.
        shown->setTag("kept");
        ASSERT_TRUE(ui::input::click(c.item));
        EXPECT_EQ(ui::forms().find(c.screen), shown);
        EXPECT_EQ(shown->tag(), c.tag) << c.screen;
    }
}

TEST_F(MainWindow, RunSetupShowsTheWizardWaiting) {
    if (ui::forms().isRegistered("frmRegister")) GTEST_SKIP() << "the set-up wizard is built";
    standIn<kRegister>("frmRegister");
    frmMain& main = logIn();
    host().whileWaiting([] { ui::forms().byName("frmRegister").Unload(); });
    ASSERT_TRUE(ui::input::click(main.mmSetup));
    const auto& log = host().log();
    EXPECT_NE(std::find(log.begin(), log.end(), "show-waiting frmRegister"), log.end());
    EXPECT_FALSE(ui::forms().isLoaded("frmRegister"));
}

TEST_F(MainWindow, ShortcutsChooseTheirItems) {
    frmMain& main = logIn();
    panel().Unload();
    ASSERT_TRUE(ui::input::shortcut(main, "Ctrl+M"));
    EXPECT_TRUE(ui::forms().isLoaded<frmMainButn>());
    ASSERT_TRUE(ui::input::shortcut(main, "F11"));
    ASSERT_TRUE(ui::forms().isLoaded<settings::frmReset>());
    EXPECT_EQ(ui::forms().find<settings::frmReset>()->tag(), "QS");
    // A disabled menu takes its items' shortcuts with it.
    main.mmSetting.setEnabled(false);
    ui::forms().find<settings::frmReset>()->Unload();
    EXPECT_FALSE(ui::input::shortcut(main, "F11"));
    EXPECT_FALSE(ui::forms().isLoaded<settings::frmReset>());
}

TEST_F(MainWindow, PrinterSetupOpensThePrinterDialog) {
    frmMain& main = logIn();
    ASSERT_TRUE(ui::input::click(main.mmPrintSet));
    ASSERT_EQ(host().printerDialogs().size(), 1u);
    EXPECT_EQ(host().printerDialogs()[0].title, "SELECT a Printer");
    EXPECT_EQ(host().printerDialogs()[0].flags, 64);
}

TEST_F(MainWindow, TheCloseBoxEndsTheProgramOnceTheScreensHaveWritten) {
    frmMain& main = logIn();
    ASSERT_TRUE(ui::input::click(main.mmNWsetin));
    ui::forms().find<settings::frmNWSetin>()->txtData.setText("Shared\\");
    ui::input::closeWindow(main);
    EXPECT_TRUE(ui::programEnded());
    auto store = db::Database::open(os::programPath("DOZA98.mdb"));
    EXPECT_EQ(store->openRecordset("tbSet")->field("SetO")->toText(), "Shared\\");
}

// A hub closed by its window's close box leads where its Back does, not to an empty main window;
// code that unloads a hub still only unloads it.
TEST_F(MainWindow, AHubsCloseBoxLeadsWhereItsBackDoes) {
    logIn();
    ASSERT_TRUE(ui::input::click(panel().cmdReports));
    auto* office = ui::forms().find<frmBOffice>();
    ASSERT_TRUE(office);
    ASSERT_TRUE(ui::input::click(office->cmdCustmr));
    auto* people = ui::forms().find<frmBCEplop>();
    ASSERT_TRUE(people);
    EXPECT_TRUE(ui::input::closeWindow(*people));
    EXPECT_FALSE(ui::forms().isLoaded<frmBCEplop>());
    ASSERT_TRUE(ui::forms().isLoaded<frmBOffice>());
    EXPECT_TRUE(ui::forms().find<frmBOffice>()->visible());
    EXPECT_TRUE(ui::input::closeWindow(*ui::forms().find<frmBOffice>()));
    EXPECT_FALSE(ui::forms().isLoaded<frmBOffice>());
    ASSERT_TRUE(ui::forms().isLoaded<frmMainButn>());
    EXPECT_TRUE(panel().visible());

    ui::forms().get<frmBOffice>().Show();
    ui::forms().find<frmMainButn>()->Unload();
    ui::forms().find<frmBOffice>()->Unload();
    EXPECT_FALSE(ui::forms().isLoaded<frmMainButn>());
}

TEST_F(MainWindow, ARefusalToGoDownIsToldBeforeTheProgramEnds) {
    actions_->failWith = "The machine refused it. Ask the person who looks after the station.";
    struct Case {
        const char* button;
        const char* asked;
        const char* told;
    };
    for (const Case& c : {
             Case{"cmdPower", "shutdown", "The station could not be shut down. The machine refused it. Ask the person who looks after the station."},
             Case{"cmdReset", "restart", "The station could not be restarted. The machine refused it. Ask the person who looks after the station."},
         }) {
        ui::resetProgramState();
        ui::markProgramStarted();
        logIn();
        std::size_t before = host().messageBoxes().size();
        host().whileWaiting([&] { ui::input::click(*ui::forms().find<frmShutdown>()->control(c.button)); });
        ui::input::click(panel().cmdExit);
        EXPECT_EQ(actions_->asked.back(), c.asked);
        ASSERT_EQ(host().messageBoxes().size(), before + 1);
        EXPECT_EQ(host().messageBoxes().back().prompt, c.told);
        EXPECT_TRUE(ui::programEnded());
    }
}

TEST_F(MainWindow, AnOutsideProgramThatCannotStartIsTold) {
    actions_->failWith = "This station is not set up to start programs. Ask the person who looks after it.";
    frmMain& main = logIn();
    ASSERT_TRUE(ui::input::click(main.mmDefrag));
    EXPECT_EQ(prompts().back(), "Defrag.EXE could not be started. This station is not set up to start programs. Ask the person who looks after it.");
    EXPECT_TRUE(main.isLoaded());
}

}  // namespace
}  // namespace pelk::shell
