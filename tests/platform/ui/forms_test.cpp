#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"
#include "probe_form.h"

using namespace pelk;
using Events = std::vector<std::string>;

namespace {

// The forms of these tests come and go; what they did is kept here.
Events& journal() {
    static Events j;
    return j;
}

class frmQuestion : public ui::Form {
public:
    frmQuestion() {
        lblText.setCaption("Design");
        cmdYes.onClick([this] { cmdYes_Click(); });
    }
    ui::Label lblText{this, "lblText"};
    ui::CommandButton cmdYes{this, "cmdYes"};
    bool refuse = false;

    void Form_Load() override { journal().push_back("frmQuestion_Load saw " + lblText.caption()); }
    void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override {
        journal().push_back("frmQuestion_QueryUnload " + std::to_string(static_cast<int>(mode)));
        if (refuse) cancel = 1;
    }
    void Form_Unload(int&) override { journal().push_back("frmQuestion_Unload"); }
    void cmdYes_Click();
};

class frmOpener : public ui::Form {
public:
    static int instances;
    frmOpener() {
        ++instances;
        cmdAsk.onClick([this] { cmdAsk_Click(); });
        cmdRetry.onClick([this] { cmdRetry_Click(); });
    }
    ~frmOpener() override { --instances; }
    ui::CommandButton cmdAsk{this, "cmdAsk"};
    ui::CommandButton cmdRetry{this, "cmdRetry"};

    void Form_Load() override { journal().push_back("frmOpener_Load"); }
    void Form_Activate() override { journal().push_back("frmOpener_Activate"); }

    // The choice box's road: the answer comes back in this button's Tag.
    void cmdAsk_Click() {
        cmdAsk.setTag("");
        frmQuestion& q = ui::forms().get<frmQuestion>();
        q.lblText.setCaption("Delete?");
        journal().push_back("before Show");
        q.Show(ui::kModal);
        journal().push_back("after Show: " + cmdAsk.tag());
    }

    // The log-in screen's road after a wrong code: away, and back fresh; the handler goes on.
    void cmdRetry_Click() {
        Unload();
        ui::forms().get<frmOpener>().Show();
        journal().push_back("goes on, Tag " + tag());
    }
};
int frmOpener::instances = 0;

void frmQuestion::cmdYes_Click() {
    ui::forms().get<frmOpener>().cmdAsk.setTag("Yes");
    Unload();
}

// Forms that only say what happened to them, by their registered name.
class frmPlain : public ui::Form {
public:
    bool refuse = false;
    void Form_Activate() override { journal().push_back(name() + "_Activate"); }
    void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override {
        journal().push_back(name() + "_QueryUnload " + std::to_string(static_cast<int>(mode)));
        if (refuse) cancel = 1;
    }
    void Form_Unload(int&) override { journal().push_back(name() + "_Unload"); }
};

class frmChildForm : public frmPlain {
public:
    frmChildForm() { setMdiChild(true); }
};

class frmMainWindow : public ui::MdiForm {
public:
    void MDIForm_QueryUnload(int&, ui::UnloadMode mode) override {
        journal().push_back("frmMain_QueryUnload " + std::to_string(static_cast<int>(mode)));
    }
    void MDIForm_Unload(int&) override { journal().push_back("frmMain_Unload"); }
};

struct FormsSession {
    ui::ScriptedSession session;
    FormsSession() {
        journal().clear();
        ui::forms().registerForm<frmOpener>("frmOpener");
        ui::forms().registerForm<frmQuestion>("frmQuestion");
    }
};

}  // namespace

// The opener writes a control of a form not loaded: the reference loads it, its Form_Load runs
// first and sees the design values, and it stays hidden.
TEST(Forms, ReferenceLoadsTheFormBeforeTheOpenerWrites) {
    FormsSession s;
    EXPECT_FALSE(ui::forms().isLoaded<frmQuestion>());
    frmQuestion& q = ui::forms().get<frmQuestion>();
    q.lblText.setCaption("Delete?");
    EXPECT_EQ(journal(), Events{"frmQuestion_Load saw Design"});
    EXPECT_FALSE(q.visible());
    EXPECT_EQ(&ui::forms().byName("FRMQUESTION"), &q);  // names match without regard to case
    EXPECT_EQ(ui::forms().find<frmQuestion>(), &q);
    EXPECT_EQ(q.lblText.caption(), "Delete?");

    q.Unload();
    EXPECT_FALSE(ui::forms().isLoaded("frmQuestion"));  // asking does not load
    EXPECT_FALSE(ui::forms().isLoaded<frmQuestion>());
    EXPECT_EQ(journal().size(), 3u);
    EXPECT_THROW(ui::forms().byName("frmNowhere"), std::logic_error);
}

TEST(Forms, UnregisteredOrReregisteredFormsAreRefused) {
    ui::ScriptedSession session;
    EXPECT_THROW(ui::forms().get<frmOpener>(), std::logic_error);
    ui::forms().registerForm<frmOpener>("frmOpener");
    ui::forms().get<frmOpener>();
    EXPECT_THROW(ui::forms().registerForm<frmOpener>("frmOpener"), std::logic_error);
}

// Show waiting returns only when the form shown is unloaded; meanwhile the rest of the test runs
// inside the wait, where no other form takes input.
TEST(Forms, ShowWaitingReturnsOnlyWhenTheFormIsUnloaded) {
    FormsSession s;
    frmOpener& opener = ui::forms().get<frmOpener>();
    opener.Show();
    s.session.host().whileWaiting([&] {
        EXPECT_EQ(journal().back(), "before Show");
        auto* q = ui::forms().find<frmQuestion>();
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(ui::forms().modalForm(), q);
        EXPECT_EQ(q->lblText.caption(), "Delete?");
        EXPECT_FALSE(ui::input::click(opener.cmdRetry));
        EXPECT_TRUE(ui::input::click(q->cmdYes));
    });
    journal().clear();
    ui::input::click(opener.cmdAsk);
    EXPECT_EQ(journal(), (Events{"frmQuestion_Load saw Design", "before Show", "frmQuestion_QueryUnload 1",
                                 "frmQuestion_Unload", "frmOpener_Activate", "after Show: Yes"}));
    EXPECT_FALSE(ui::forms().isLoaded<frmQuestion>());
    EXPECT_EQ(ui::forms().modalForm(), nullptr);
    EXPECT_EQ(ui::forms().activeForm(), &opener);
    const auto& log = s.session.host().log();
    EXPECT_NE(std::find(log.begin(), log.end(), "show-waiting frmQuestion"), log.end());
}

TEST(Forms, HidingTheFormShownWaitingEndsTheWaitToo) {
    FormsSession s;
    frmOpener& opener = ui::forms().get<frmOpener>();
    opener.Show();
    s.session.host().whileWaiting([] { ui::forms().get<frmQuestion>().Hide(); });
    ui::input::click(opener.cmdAsk);
    EXPECT_EQ(journal().back(), "after Show: ");
    ASSERT_TRUE(ui::forms().isLoaded<frmQuestion>());
    EXPECT_FALSE(ui::forms().get<frmQuestion>().visible());
}

TEST(Forms, AWaitWithNothingLeftToCloseItIsAnError) {
    FormsSession s;
    EXPECT_THROW(ui::forms().get<frmQuestion>().Show(ui::kModal), std::logic_error);
}

// A handler that unloads its own form and shows it again goes on with the old instance, which
// lives until the event returns; the form shown is a fresh one, with an empty Tag.
TEST(Forms, AHandlerOutlivesTheUnloadOfItsOwnForm) {
    FormsSession s;
    frmOpener& old = ui::forms().get<frmOpener>();
    old.Show();
    old.setTag("marked");
    journal().clear();
    ui::input::click(old.cmdRetry);
    EXPECT_EQ(journal(), (Events{"frmOpener_Load", "frmOpener_Activate", "goes on, Tag marked"}));
    frmOpener* fresh = ui::forms().find<frmOpener>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->tag(), "");
    EXPECT_TRUE(fresh->visible());
    EXPECT_EQ(frmOpener::instances, 1) << "the old instance is released when the event returns";

    // Show on the unloaded instance itself shows a fresh one too.
    frmOpener& second = *fresh;
    second.setTag("marked");
    second.cmdRetry.onClick([&second] {
        second.Unload();
        second.Show();
    });
    ui::input::click(second.cmdRetry);
    ASSERT_NE(ui::forms().find<frmOpener>(), nullptr);
    EXPECT_EQ(ui::forms().find<frmOpener>()->tag(), "");
    EXPECT_TRUE(ui::forms().find<frmOpener>()->visible());
    EXPECT_EQ(frmOpener::instances, 1);
}

TEST(Forms, UnloadingAnotherFormNeverLoadsIt) {
    FormsSession s;
    EXPECT_TRUE(ui::Unload<frmQuestion>());
    EXPECT_TRUE(journal().empty());
    ui::forms().get<frmQuestion>().refuse = true;
    EXPECT_FALSE(ui::Unload<frmQuestion>());
    EXPECT_TRUE(ui::forms().isLoaded<frmQuestion>());
}

TEST(Forms, QueryUnloadCanRefuse) {
    FormsSession s;
    frmQuestion& q = ui::forms().get<frmQuestion>();
    q.Show();
    q.refuse = true;
    journal().clear();
    EXPECT_FALSE(q.Unload());
    EXPECT_TRUE(ui::input::closeWindow(q));
    EXPECT_EQ(journal(), (Events{"frmQuestion_QueryUnload 1", "frmQuestion_QueryUnload 0"}));
    EXPECT_TRUE(ui::forms().isLoaded<frmQuestion>());
    EXPECT_TRUE(q.visible());
    q.refuse = false;
    EXPECT_TRUE(q.Unload());
    EXPECT_FALSE(ui::forms().isLoaded<frmQuestion>());
}

// The main window asks every child first, then unloads them all, hidden holders included;
// windows of their own stay.
TEST(Forms, TheMainWindowUnloadsEveryFormItHolds) {
    ui::ScriptedSession session;
    journal().clear();
    ui::forms().registerForm<frmMainWindow>("frmMain");
    ui::forms().registerForm<frmChildForm>("frmChild");
    ui::forms().registerForm<frmChildForm>("frmHolder");
    ui::forms().registerForm<frmPlain>("frmOwn");
    ui::Form& main = ui::forms().byName("frmMain");
    main.Show();
    ui::forms().byName("frmChild").Show();
    ui::forms().byName("frmHolder");  // loaded hidden, as the holders of settings are
    ui::forms().byName("frmOwn").Show();

    static_cast<frmPlain&>(ui::forms().byName("frmHolder")).refuse = true;
    journal().clear();
    EXPECT_FALSE(main.Unload());
    EXPECT_EQ(journal(), (Events{"frmMain_QueryUnload 1", "frmChild_QueryUnload 4", "frmHolder_QueryUnload 4"}));
    EXPECT_EQ(ui::forms().loaded().size(), 4u) << "one refusal keeps them all";

    static_cast<frmPlain&>(ui::forms().byName("frmHolder")).refuse = false;
    journal().clear();
    EXPECT_TRUE(main.Unload());
    EXPECT_EQ(journal(), (Events{"frmMain_QueryUnload 1", "frmChild_QueryUnload 4", "frmHolder_QueryUnload 4",
                                 "frmChild_Unload", "frmHolder_Unload", "frmMain_Unload"}));
    ASSERT_EQ(ui::forms().loaded().size(), 1u);
    EXPECT_EQ(ui::forms().loaded()[0]->name(), "frmOwn");
}

TEST(Forms, ActivateOnEveryActivation) {
    ui::ScriptedSession session;
    journal().clear();
    ui::forms().registerForm<frmPlain>("frmA");
    ui::forms().registerForm<frmPlain>("frmB");
    ui::Form& a = ui::forms().byName("frmA");
    ui::Form& b = ui::forms().byName("frmB");
    a.Show();
    b.Show();
    a.Show();  // brought forward
    a.Show();  // already active: nothing
    b.Hide();
    a.Hide();  // b is hidden: nothing becomes active
    EXPECT_EQ(journal(), (Events{"frmA_Activate", "frmB_Activate", "frmA_Activate"}));
    EXPECT_EQ(ui::forms().activeForm(), nullptr);
}

// End stops the running code at once; every form goes without its unload events.
TEST(Forms, EndStopsTheProgramAtOnce) {
    FormsSession s;
    frmOpener& opener = ui::forms().get<frmOpener>();
    opener.Show();
    ui::forms().get<frmQuestion>();
    opener.cmdAsk.onClick([] {
        journal().push_back("before End");
        ui::End();
        journal().push_back("after End");
    });
    journal().clear();
    ui::input::click(opener.cmdAsk);
    EXPECT_EQ(journal(), Events{"before End"});
    EXPECT_TRUE(ui::forms().loaded().empty());
    EXPECT_TRUE(ui::programEnded());
    EXPECT_EQ(frmOpener::instances, 0);
}

TEST(Forms, TheProgramEndsWhenItsLastFormCloses) {
    FormsSession s;
    ui::forms().get<frmOpener>().Show();
    ui::forms().get<frmOpener>().Unload();
    EXPECT_FALSE(ui::programEnded()) << "forms driven without the start-up are no program";
    ui::markProgramStarted();
    ui::forms().get<frmOpener>().Show();
    ui::forms().get<frmQuestion>();
    EXPECT_FALSE(ui::programEnded());
    ui::forms().get<frmOpener>().Unload();
    EXPECT_FALSE(ui::programEnded()) << "a hidden form keeps the program running";
    ui::forms().get<frmQuestion>().Unload();
    EXPECT_TRUE(ui::programEnded());
}

// Code still running keeps the program alive: a handler may unload the last form, yield, and
// show a fresh one; a handler that leaves no form ends the program when it returns.
TEST(Forms, RunningCodeKeepsTheProgramAlive) {
    FormsSession s;
    ui::markProgramStarted();
    frmOpener& opener = ui::forms().get<frmOpener>();
    opener.Show();
    bool endedDuringPause = true;
    opener.cmdAsk.onClick([&] {
        ui::forms().get<frmOpener>().Unload();
        ui::DoEvents();
        endedDuringPause = ui::programEnded();
        ui::forms().get<frmOpener>().Show();
    });
    ui::input::click(opener.cmdAsk);
    EXPECT_FALSE(endedDuringPause);
    EXPECT_FALSE(ui::programEnded());
    ui::forms().get<frmOpener>().cmdAsk.onClick([] { ui::forms().get<frmOpener>().Unload(); });
    ui::input::click(ui::forms().get<frmOpener>().cmdAsk);
    EXPECT_TRUE(ui::programEnded());
}

TEST(Forms, FocusSetOnAHiddenFormTakesEffectWhenShown) {
    ui::ScriptedSession session;
    ui::forms().registerForm<test::frmProbe>("frmProbe");
    auto& p = ui::forms().get<test::frmProbe>();
    EXPECT_TRUE(p.txtB.SetFocus());
    EXPECT_TRUE(p.take().empty());
    p.Show();
    EXPECT_EQ(p.take(), Events{"txtB_GotFocus"});
    EXPECT_TRUE(p.txtB.hasFocus());
}

TEST(Forms, ControlArraysAreFoundByNameAndIndex) {
    ui::ScriptedSession session;
    ui::forms().registerForm<test::frmProbe>("frmProbe");
    auto& p = ui::forms().get<test::frmProbe>();
    p.Show();
    EXPECT_EQ(p.control("comNumber", 2), &p.comNumber(2));
    EXPECT_EQ(p.control("comNumber"), nullptr);
    EXPECT_EQ(p.comNumber(2).path(), "frmProbe.comNumber(2)");
    EXPECT_THROW(p.comNumber(7), std::out_of_range);
    // A member loaded at run time comes hidden, wired to the array's handler.
    ui::CommandButton& added = p.comNumber.load(7);
    EXPECT_FALSE(added.visible());
    added.setVisible(true);
    p.take();
    ui::input::click(added);
    EXPECT_EQ(p.take().back(), "comNumber_Click(7)");
    EXPECT_EQ(p.comNumber.ubound(), 7);
    EXPECT_EQ(p.comNumber.count(), 4);
}

namespace {

class frmStacked : public ui::Form {
public:
    frmStacked() {
        // Design: the cover is made first, then brought over the others.
        cmdCover.ZOrder(0);
        imgMark.setPicture(ui::Picture::design("Mark"));
        imgHeld.setPicture(ui::Picture::design("Mark", true));
    }
    ui::CommandButton cmdCover{this, "cmdCover"};
    ui::Label lblUnder{this, "lblUnder"};
    ui::Image imgMark{this, "imgMark"};
    ui::Image imgHeld{this, "imgHeld"};
};

struct Recorder : ui::FormListener {
    std::vector<std::string> changes;
    void controlChanged(ui::Control& c, std::string_view property) override {
        changes.push_back(c.name() + "." + std::string(property));
    }
};

std::vector<std::string> namesOf(const std::vector<ui::Control*>& controls) {
    std::vector<std::string> names;
    for (ui::Control* c : controls) names.push_back(c->name());
    return names;
}

TEST(Forms, StackingOrderFollowsTheDesignAndZOrder) {
    frmStacked f;
    using V = std::vector<std::string>;
    EXPECT_EQ(namesOf(f.stackingOrder()), (V{"lblUnder", "imgMark", "imgHeld", "cmdCover"}));
    EXPECT_EQ(namesOf(f.controls()), (V{"cmdCover", "lblUnder", "imgMark", "imgHeld"})) << "tab and design order";
    Recorder r;
    f.addListener(&r);
    f.lblUnder.ZOrder(0);
    EXPECT_EQ(namesOf(f.stackingOrder()), (V{"imgMark", "imgHeld", "cmdCover", "lblUnder"}));
    f.cmdCover.ZOrder(1);
    EXPECT_EQ(namesOf(f.stackingOrder()), (V{"cmdCover", "imgMark", "imgHeld", "lblUnder"}));
    f.cmdCover.ZOrder(1);
    f.lblUnder.ZOrder();
    EXPECT_EQ(r.changes, (V{"lblUnder.ZOrder", "cmdCover.ZOrder"})) << "a control already there changes nothing";
    f.removeListener(&r);
}

TEST(Forms, DesignPicturesReadAsTheirWords) {
    frmStacked f;
    EXPECT_EQ(f.imgMark.property("Picture"), "(design) Mark");
    EXPECT_EQ(f.imgHeld.property("Picture"), "(design, pressed) Mark");
    EXPECT_EQ(f.cmdCover.property("Picture"), "");
    EXPECT_FALSE(f.imgMark.picture().empty());
    EXPECT_TRUE(f.imgMark.picture().path().empty()) << "no file behind it";
    EXPECT_NE(f.imgMark.picture(), f.imgHeld.picture());
    EXPECT_EQ(f.imgMark.picture(), ui::Picture::design("Mark"));
}

}  // namespace

// A screen tells the form that opened it from a later instance of the same form by its handle:
// no two instances of the run share one, even when a fresh instance takes the old one's memory.
TEST(Forms, EveryInstanceHasAHandleOfItsOwn) {
    FormsSession s;
    std::vector<std::int32_t> handles;
    for (int round = 0; round < 3; ++round) {
        frmQuestion& q = ui::forms().get<frmQuestion>();
        handles.push_back(q.hWnd());
        handles.push_back(ui::forms().get<frmOpener>().hWnd());
        EXPECT_EQ(q.property("hWnd"), std::to_string(q.hWnd()));
        q.Unload();
        ui::forms().get<frmOpener>().Unload();
        ui::forms().collect();
    }
    std::vector<std::int32_t> distinct = handles;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    EXPECT_EQ(distinct.size(), handles.size());
    for (std::int32_t h : handles) EXPECT_GT(h, 0);
}
