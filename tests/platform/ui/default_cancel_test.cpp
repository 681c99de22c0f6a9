#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"

using namespace pelk;
using Events = std::vector<std::string>;

namespace {

// A dialog with an OK (Default) and a Cancel button, boxes that do and do not take Enter, and a
// journal of key presses and clicks. Each KeyPress drops the key it is told to.
class frmDialog : public ui::Form {
public:
    frmDialog() {
        txtNotes.setMultiLine(true);
        cmdOK.setDefault(true);
        cmdCancel.setCancel(true);
        for (ui::Control* c : std::vector<ui::Control*>{&txtName, &txtNotes, &chkA, &cmdOK, &cmdCancel, &cmdOther}) {
            std::string n = c->name();
            c->onClick([this, n] { events.push_back(n + "_Click"); });
            c->onKeyPress([this, n](int& key) {
                events.push_back(n + "_KeyPress(" + std::to_string(key) + ")");
                if (key == dropInControl) key = 0;
            });
        }
    }

    ui::TextBox txtName{this, "txtName"};
    ui::TextBox txtNotes{this, "txtNotes"};
    ui::CheckBox chkA{this, "chkA"};
    ui::CommandButton cmdOK{this, "cmdOK"};
    ui::CommandButton cmdCancel{this, "cmdCancel"};
    ui::CommandButton cmdOther{this, "cmdOther"};

    void Form_KeyPress(int& key) override {
        events.push_back("Form_KeyPress(" + std::to_string(key) + ")");
        if (key == dropInPreview) key = 0;
    }

    std::vector<std::string> events;
    int dropInPreview = -1, dropInControl = -1;
};

struct DialogSession {
    ui::ScriptedSession session;
    frmDialog* form;
    DialogSession() {
        ui::forms().registerForm<frmDialog>("frmDialog");
        form = &ui::forms().get<frmDialog>();
        form->Show();
    }
};

}  // namespace

// Enter and Escape pass key preview and the focused control's KeyPress, then click the Default or
// Cancel button unless one of them dropped the key, the focused control uses Enter itself, or the
// button cannot be clicked.
TEST(DefaultCancel, EnterAndEscapeReachTheDialogsButtons) {
    enum Change { kNone, kPreview, kDropInPreview, kDropInControl, kOKDisabled, kCancelHidden };
    struct Case {
        const char* focus;
        int key;
        Change change;
        Events expected;
    };
    const Case cases[] = {
        {"txtName", ui::kKeyReturn, kNone, {"txtName_KeyPress(13)", "cmdOK_Click"}},
        {"chkA", ui::kKeyReturn, kNone, {"chkA_KeyPress(13)", "cmdOK_Click"}},
        {"txtName", ui::kKeyEscape, kNone, {"txtName_KeyPress(27)", "cmdCancel_Click"}},
        {"txtNotes", ui::kKeyEscape, kNone, {"txtNotes_KeyPress(27)", "cmdCancel_Click"}},
        {"cmdOK", ui::kKeyEscape, kNone, {"cmdOK_KeyPress(27)", "cmdCancel_Click"}},
        // Controls that use Enter keep it.
        {"txtNotes", ui::kKeyReturn, kNone, {"txtNotes_KeyPress(13)"}},
        {"cmdOther", ui::kKeyReturn, kNone, {"cmdOther_KeyPress(13)", "cmdOther_Click"}},
        // Key preview comes first and can drop the key.
        {"txtName", ui::kKeyReturn, kPreview, {"Form_KeyPress(13)", "txtName_KeyPress(13)", "cmdOK_Click"}},
        {"txtName", ui::kKeyEscape, kDropInPreview, {"Form_KeyPress(27)"}},
        {"txtName", ui::kKeyReturn, kDropInPreview, {"Form_KeyPress(13)"}},
        // So can the focused control's KeyPress.
        {"txtName", ui::kKeyReturn, kDropInControl, {"txtName_KeyPress(13)"}},
        {"chkA", ui::kKeyEscape, kDropInControl, {"chkA_KeyPress(27)"}},
        // A button that cannot be clicked is not.
        {"txtName", ui::kKeyReturn, kOKDisabled, {"txtName_KeyPress(13)"}},
        {"txtName", ui::kKeyEscape, kCancelHidden, {"txtName_KeyPress(27)"}},
    };
    for (const Case& c : cases) {
        DialogSession s;
        frmDialog& f = *s.form;
        f.setKeyPreview(c.change == kPreview || c.change == kDropInPreview);
        if (c.change == kDropInPreview) f.dropInPreview = c.key;
        if (c.change == kDropInControl) f.dropInControl = c.key;
        if (c.change == kOKDisabled) f.cmdOK.setEnabled(false);
        if (c.change == kCancelHidden) f.cmdCancel.setVisible(false);
        ui::Control* focus = f.control(c.focus);
        ASSERT_TRUE(focus && focus->SetFocus());
        f.events.clear();
        EXPECT_TRUE(ui::input::pressKey(f, c.key));
        EXPECT_EQ(f.events, c.expected) << c.focus << " key " << c.key << " change " << c.change;
        EXPECT_TRUE(focus->hasFocus()) << "the button is clicked where it is";
        EXPECT_EQ(f.txtName.text(), "");
    }
}

// Without a Default button Enter is only a key. Typed text reaches the buttons as pressed keys do,
// and a form holds one Default and one Cancel button.
TEST(DefaultCancel, WithoutADefaultButtonEnterIsOnlyAKey) {
    DialogSession s;
    frmDialog& f = *s.form;
    f.cmdOK.setDefault(false);
    f.txtName.SetFocus();
    f.events.clear();
    ui::input::type(f.txtName, "Al\r");
    EXPECT_EQ(f.events, (Events{"txtName_KeyPress(65)", "txtName_KeyPress(108)", "txtName_KeyPress(13)"}));
    EXPECT_EQ(f.txtName.text(), "Al");

    // One Default per form: the last button made Default takes it from the others.
    f.cmdOther.setDefault(true);
    f.cmdOK.setDefault(true);
    EXPECT_FALSE(f.cmdOther.isDefault());
    f.cmdCancel.setCancel(false);
    f.cmdOther.setCancel(true);
    f.events.clear();
    ui::input::type(f.txtName, "\r");
    ui::input::pressKey(f, ui::kKeyEscape);
    EXPECT_EQ(f.events, (Events{"txtName_KeyPress(13)", "cmdOK_Click", "txtName_KeyPress(27)", "cmdOther_Click"}));

    // The control with the focus was disabled: the form's own KeyPress sees the key, then the
    // button is clicked.
    f.txtName.setEnabled(false);
    f.events.clear();
    ui::input::pressKey(f, ui::kKeyReturn);
    EXPECT_EQ(f.events, (Events{"Form_KeyPress(13)", "cmdOK_Click"}));
}
