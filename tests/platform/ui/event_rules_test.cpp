#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/ui/input.h"
#include "platform/ui/ui.h"
#include "probe_form.h"

using namespace pelk;
using Events = std::vector<std::string>;

// Each property write as code makes it (by name, as a road script's set does), after an
// optional first write whose events are not counted; the events it raises, exactly.
TEST(EventRules, PropertyWritesRaiseOnlyTheirEvents) {
    struct Case {
        const char* control;
        const char* property;
        const char* before;  // written first, its events ignored; nullptr for none
        const char* value;
        Events raised;
        const char* reads = nullptr;  // what the property reads afterwards, when not the value written
    } cases[] = {
        {"txtA", "Text", nullptr, "abc", {"txtA_Change"}},
        {"txtA", "Text", "abc", "abc", {}},
        {"txtA", "Text", "abc", "", {"txtA_Change"}},
        {"txtA", "SelText", nullptr, "x", {"txtA_Change"}, ""},
        {"lblA", "Caption", nullptr, "ChkI", {"lblA_Change"}},
        {"lblA", "Caption", "ChkI", "ChkI", {}},
        {"chkA", "Value", nullptr, "1", {"chkA_Click"}},
        {"chkA", "Value", "1", "1", {}},  // a check box set to the value it has raises nothing
        {"chkA", "Value", "1", "0", {"chkA_Click"}},
        {"chkA", "Value", nullptr, "0", {}},
        {"cmbA", "Text", nullptr, "Monthly", {"cmbA_Change"}},  // never Click
        {"cmbA", "Text", nullptr, "Weekly", {"cmbA_Change"}},   // an item's text selects it, still no Click
        {"cmbA", "ListIndex", nullptr, "1", {"cmbA_Click"}},
        {"cmbA", "ListIndex", "1", "1", {}},
        {"lstA", "ListIndex", nullptr, "0", {"lstA_Click"}},
        {"lstA", "ListIndex", "0", "0", {}},
        {"optA", "Value", nullptr, "True", {"optA_Click"}},
        {"optA", "Value", "True", "True", {}},
        {"optB", "Value", "True", "False", {}},
        {"optB", "Value", "True", "True", {}},
        {"cmdA", "Value", nullptr, "True", {"cmdA_Click"}, "False"},
        {"txtA", "Tag", nullptr, "x", {}},
        {"txtA", "Visible", nullptr, "False", {}},
        {"cmdA", "Enabled", nullptr, "False", {}},
        {"lblA", "Left", nullptr, "5557.5", {}},
    };
    for (const Case& c : cases) {
        test::ProbeSession s;
        ui::Control& target = *s.probe->control(c.control);
        if (c.before) target.setProperty(c.property, c.before);
        s.probe->take();
        ui::runEvent([&] { target.setProperty(c.property, c.value); });
        EXPECT_EQ(s.probe->take(), c.raised) << c.control << "." << c.property << " = " << c.value;
        EXPECT_EQ(target.property(c.property), c.reads ? c.reads : c.value) << c.control << "." << c.property;
    }
}

TEST(EventRules, OptionButtonsOfOneGroupClearEachOtherWithoutEvents) {
    test::ProbeSession s;
    s.probe->optA.setValue(true);
    s.probe->take();
    s.probe->optB.setValue(true);
    EXPECT_EQ(s.probe->take(), Events{"optB_Click"});
    EXPECT_FALSE(s.probe->optA.value());
}

TEST(EventRules, NoEventWhileTheFormIsMadeOrOnceItIsUnloaded) {
    test::ProbeSession s;
    // The constructor set captions and list items; nothing was raised for them.
    test::frmProbe& probe = *s.probe;
    probe.Unload();
    probe.take();
    probe.txtA.setText("after");
    probe.chkA.setValue(1);
    EXPECT_TRUE(probe.take().empty());
}

// Typing: KeyPress sees the key before the text changes, Change after; KeyPress can drop a key.
TEST(EventRules, TypedKeysGoKeyPressThenTextThenChange) {
    struct Case {
        const char* name;
        const char* text;
        int selStart, selLength, maxLength;
        bool locked;
        const char* keys;
        const char* result;
        int changes;
    } cases[] = {
        {"at the caret", "abc", 3, 0, 0, false, "d", "abcd", 1},
        {"in the middle", "abc", 1, 0, 0, false, "X", "aXbc", 1},
        {"replacing the selection", "abcdef", 1, 3, 0, false, "X", "aXef", 1},
        {"backspace before the caret", "abc", 2, 0, 0, false, "\b", "ac", 1},
        {"backspace on a selection", "abcdef", 1, 3, 0, false, "\b", "aef", 1},
        {"backspace at the start", "abc", 0, 0, 0, false, "\b", "abc", 0},
        {"MaxLength refuses", "abcd", 4, 0, 4, false, "e", "abcd", 0},
        {"MaxLength lets a selection be replaced", "abcd", 1, 1, 4, false, "X", "aXcd", 1},
        {"MaxLength stops a longer text", "", 0, 0, 4, false, "123456", "1234", 4},
        {"Locked keeps the text", "abc", 3, 0, 0, true, "d", "abc", 0},
        {"Enter in one line", "abc", 3, 0, 0, false, "\r", "abc", 0},
        {"characters counted, not bytes", "日本", 1, 0, 3, false, "語x", "日語本", 1},
    };
    for (const Case& c : cases) {
        test::ProbeSession s;
        ui::TextBox& box = s.probe->txtA;
        box.setText(c.text);
        box.setSelStart(c.selStart);
        box.setSelLength(c.selLength);
        box.setMaxLength(c.maxLength);
        box.setLocked(c.locked);
        s.probe->take();
        ui::input::type(box, c.keys);
        EXPECT_EQ(box.text(), c.result) << c.name;
        Events events = s.probe->take();
        int changes = 0, presses = 0;
        for (const auto& e : events) {
            changes += e == "txtA_Change";
            presses += e.rfind("txtA_KeyPress", 0) == 0;
        }
        EXPECT_EQ(changes, c.changes) << c.name;
        EXPECT_EQ(presses, static_cast<int>(core::text::len(c.keys))) << c.name;
    }
}

TEST(EventRules, KeyPressSeesTheOldTextAndCanDropTheKey) {
    test::ProbeSession s;
    ui::TextBox& box = s.probe->txtA;
    std::vector<std::string> seen;
    box.onKeyPress([&](int& key) {
        seen.push_back("KeyPress " + box.text());
        if (key < '0' || key > '9') key = 0;  // digits only, as the numeric boxes do
    });
    box.onChange([&] { seen.push_back("Change " + box.text()); });
    ui::input::type(box, "1a2");
    EXPECT_EQ(box.text(), "12");
    EXPECT_EQ(seen, (Events{"KeyPress ", "Change 1", "KeyPress 1", "KeyPress 1", "Change 12"}));
}

TEST(EventRules, KeyPreviewSeesTheKeyFirstAndCanDropIt) {
    test::ProbeSession s;
    s.probe->setKeyPreview(true);
    s.probe->dropInPreview = 'x';
    ui::input::type(s.probe->txtA, "ax");
    EXPECT_EQ(s.probe->txtA.text(), "a");
    EXPECT_EQ(s.probe->take(), (Events{"Form_KeyPress(97)", "txtA_KeyPress(97)", "txtA_Change", "Form_KeyPress(120)"}));
}

// The focus leaves first: LostFocus of the box left runs before the button's Click.
TEST(EventRules, ClickMovesTheFocusFirst) {
    test::ProbeSession s;
    ui::input::type(s.probe->txtA, "1");
    s.probe->take();
    EXPECT_TRUE(ui::input::click(s.probe->cmdA));
    EXPECT_EQ(s.probe->take(),
              (Events{"txtA_LostFocus", "cmdA_GotFocus", "cmdA_MouseDown", "cmdA_MouseUp", "cmdA_Click"}));
    // A picture takes no focus: the button keeps it.
    EXPECT_TRUE(ui::input::click(s.probe->imgA));
    EXPECT_EQ(s.probe->take(), (Events{"imgA_MouseDown", "imgA_MouseUp", "imgA_Click"}));
    EXPECT_TRUE(s.probe->cmdA.hasFocus());
    // Clicking the check box ticks it: its Click comes from the change of value.
    ui::input::click(s.probe->chkA);
    EXPECT_EQ(s.probe->chkA.value(), 1);
    EXPECT_EQ(s.probe->take(),
              (Events{"cmdA_LostFocus", "chkA_GotFocus", "chkA_MouseDown", "chkA_MouseUp", "chkA_Click"}));
}

TEST(EventRules, WhatCannotTakeAClickRaisesNothing) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    p.cmdA.setEnabled(false);
    p.imgA.setVisible(false);
    p.fraA.setEnabled(false);
    EXPECT_FALSE(ui::input::click(p.cmdA));
    EXPECT_FALSE(ui::input::click(p.imgA));
    EXPECT_FALSE(ui::input::click(p.cmdInFrame));  // its frame is disabled
    p.fraA.setEnabled(true);
    p.fraA.setVisible(false);
    EXPECT_FALSE(ui::input::click(p.cmdInFrame));  // its frame is hidden
    p.Hide();
    EXPECT_FALSE(ui::input::click(p.txtA));  // a hidden form
    EXPECT_TRUE(p.take().empty());
    EXPECT_FALSE(p.imgA.SetFocus());
}

TEST(EventRules, NoClickWhenMouseUpUnloadedTheForm) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    std::vector<std::string> seen;
    p.imgA.onMouseUp(ui::Control::Handler([&] { p.Unload(); }));
    p.imgA.onClick([&] { seen.push_back("Click"); });
    ui::input::click(p.imgA);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(ui::forms().isLoaded("frmProbe"));
}

TEST(EventRules, TabFollowsTheTabOrder) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    p.txtB.setTabIndex(0);
    p.txtA.setTabIndex(1);
    p.txtB.SetFocus();
    ui::input::pressKey(p, ui::kKeyTab);
    EXPECT_TRUE(p.txtA.hasFocus());
    p.take();
    ui::input::type(p.txtA, "\t");
    EXPECT_EQ(p.take(), (Events{"txtA_LostFocus", "chkA_GotFocus"})) << "the check box comes next";
}

// The time clock's keypad: the digit is queued, and arrives as a typed key once the handler
// has returned; a Backspace "{BS}" the same way.
TEST(EventRules, SentKeysArriveAsTypedKeysAfterTheHandlerReturns) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    std::string textInHandler = "?";
    p.comNumber.onClick([&](int index) {
        p.txtA.SetFocus();
        ui::SendKeys(std::to_string(index));
        textInHandler = p.txtA.text();
        p.events.push_back("handler returns");
    });
    p.cmdA.onClick([&] {
        p.txtA.SetFocus();
        ui::SendKeys("{BS}");
    });
    ui::input::click(p.comNumber(2));
    ui::input::click(p.comNumber(1));
    EXPECT_EQ(textInHandler, "2");
    EXPECT_EQ(p.txtA.text(), "21");
    Events events = p.take();
    auto returned = std::find(events.begin(), events.end(), "handler returns");
    ASSERT_NE(returned, events.end());
    ASSERT_GE(events.end() - returned, 3);
    EXPECT_EQ(*(returned + 1), "txtA_KeyPress(50)");
    EXPECT_EQ(*(returned + 2), "txtA_Change");
    ui::input::click(p.cmdA);
    EXPECT_EQ(p.txtA.text(), "2");
    EXPECT_THROW(ui::SendKeys("^c"), std::invalid_argument);
}

// A handler that waits for the clock with DoEvents ends: each yield moves the clock 10 ms and
// ticks the timers that fall due.
TEST(EventRules, DoEventsLetsAWaitLoopEnd) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    p.tmrA.setEnabled(true);
    int yields = 0;
    p.cmdA.onClick([&] {
        std::int64_t start = core::clock::nowMs();
        while (core::clock::nowMs() - start <= 1000) {
            ui::DoEvents();
            ++yields;
        }
    });
    ui::input::click(p.cmdA);
    EXPECT_EQ(yields, 101);
    Events ticks;
    for (const auto& e : p.take())
        if (e == "tmrA_Timer") ticks.push_back(e);
    EXPECT_EQ(ticks.size(), 2u);
}

TEST(EventRules, BeepIsCounted) {
    test::ProbeSession s;
    ui::Beep();
    ui::Beep();
    EXPECT_EQ(s.host().beeps(), 2);
}

TEST(EventRules, ListAndComboSelectionsByTheUser) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    EXPECT_TRUE(ui::input::select(p.cmbA, 1));
    EXPECT_EQ(p.cmbA.text(), "Weekly");
    EXPECT_EQ(p.take(), (Events{"txtA_LostFocus", "cmbA_GotFocus", "cmbA_MouseDown", "cmbA_Click", "cmbA_MouseUp"}));
    EXPECT_THROW(ui::input::select(p.lstA, 5), ui::PropertyError);
    EXPECT_FALSE(ui::input::select(p.cmdA, 0));  // a button has no items
    // Typing into the combo box changes its text, not its selection's Click.
    p.cmbA.setText("");
    p.take();
    ui::input::type(p.cmbA, "Daily");
    EXPECT_EQ(p.cmbA.listIndex(), 0);
    for (const auto& e : p.take()) EXPECT_NE(e, "cmbA_Click");
}
