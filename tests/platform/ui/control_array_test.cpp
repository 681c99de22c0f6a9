#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bound_form.h"
#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"

using namespace pelk;
using namespace pelk::test;
using Events = std::vector<std::string>;

namespace {

// Arrays whose lowest member is not 0, in a frame, with a design worth copying, and a data control
// bound to a member loaded at run time.
class frmArrays : public ui::Form {
public:
    frmArrays() {
        txtLine(2).setContainer(fraLines);
        txtLine(2).Move(120, 240, 1800, 375);
        txtLine(2).setBackColor(0xC0FFC0);
        txtLine(2).setForeColor(0x0000FF);
        txtLine(2).setFont(ui::Font{"Arial", 12, true, false, true});
        txtLine(2).setText("abc");
        txtLine(2).setTag("line");
        txtLine(2).setEnabled(false);
        txtLine(2).setTabStop(false);
        txtLine(2).setToolTipText("a line");
        txtLine(2).setMaxLength(8);
        txtLine(2).setMultiLine(true);
        txtLine(2).setPasswordChar("*");
        txtLine(2).setAlignment(ui::kRightJustify);
        cmdKey(0).setCaption("Key");
        cmdKey(0).setStyle(1);
        cmdKey(0).setPicture(ui::Picture(R"(C:\Program Files\Pelk POS 4\Pics\key.bmp)", ui::PictureFormat::Bmp));
        cmdKey(0).setDefault(true);
        optMode(0).setValue(true);
        txtLine.onChange([this](int i) { events.push_back("txtLine_Change(" + std::to_string(i) + ")"); });
        txtLine.onKeyPress([this](int i, int& key) {
            events.push_back("txtLine_KeyPress(" + std::to_string(i) + "," + std::to_string(key) + ")");
        });
        cmdKey.onClick([this](int i) { events.push_back("cmdKey_Click(" + std::to_string(i) + ")"); });
        optMode.onClick([this](int i) { events.push_back("optMode_Click(" + std::to_string(i) + ")"); });
    }

    ui::Frame fraLines{this, "fraLines"};
    ui::ControlArray<ui::TextBox> txtLine{this, "txtLine", {2, 4}};
    ui::ControlArray<ui::CommandButton> cmdKey{this, "cmdKey", 1};
    ui::ControlArray<ui::OptionButton> optMode{this, "optMode", 1};
    ui::Data datStaff{this, "datStaff"};
    ui::ControlArray<ui::TextBox> txtField{this, "txtField", 1};

    void Form_Load() override {
        datStaff.setDatabaseName(kStaffStore);
        datStaff.setRecordSource("SELECT * FROM tbEmplo ORDER BY szID_no");
    }

    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }
};

struct ArraysSession {
    TempRoot root;
    ui::ScriptedSession session;
    frmArrays* form;
    ArraysSession() {
        makeStaffStore();
        ui::forms().registerForm<frmArrays>("frmArrays");
        form = &ui::forms().get<frmArrays>();
        form->Show();
        form->take();
    }
};

// Records what a renderer is told about members coming and going.
struct Watcher : ui::FormListener {
    std::vector<std::string> seen;
    void controlAdded(ui::Control& c) override {
        seen.push_back("added " + c.path() + " " + c.property("Caption") + " visible " + c.property("Visible"));
    }
    void controlRemoved(ui::Control& c) override { seen.push_back("removed " + c.path()); }
};

}  // namespace

// Load copies the lowest member's design, not its Visible, TabIndex or Index, and raises nothing.
TEST(ControlArrayLoad, TheNewMemberTakesTheLowestMembersDesign) {
    ArraysSession s;
    frmArrays& f = *s.form;
    ui::TextBox& model = f.txtLine(2);
    model.setTabIndex(1);
    model.setMousePointer(99);
    model.setMouseIcon(ui::Picture::design("Report"));
    ui::TextBox& added = f.txtLine.load(7);
    EXPECT_TRUE(f.take().empty()) << "no Change for the copied text";

    EXPECT_EQ(added.index(), 7);
    EXPECT_EQ(added.path(), "frmArrays.txtLine(7)");
    EXPECT_FALSE(added.visible());
    EXPECT_NE(added.tabIndex(), model.tabIndex());
    EXPECT_EQ(added.container(), &f.fraLines);
    for (const char* name :
         {"Left",     "Top",         "Width",      "Height",        "BackColor",    "ForeColor", "FontName",
          "FontSize", "FontBold",    "FontItalic", "FontUnderline", "Text",         "Tag",       "Enabled",
          "TabStop",  "ToolTipText", "MaxLength",  "MultiLine",     "PasswordChar", "Alignment",
          "MousePointer", "MouseIcon"})
        EXPECT_EQ(added.property(name), model.property(name)) << name;
    EXPECT_EQ(added.text(), "abc");
    EXPECT_EQ(added.selText(), "") << "the copied text is not typed over a selection";

    // A graphical button keeps its picture; the form's one default button stays the model.
    ui::CommandButton& key = f.cmdKey.load(1);
    EXPECT_EQ(key.caption(), "Key");
    EXPECT_EQ(key.style(), 1);
    EXPECT_EQ(key.picture(), f.cmdKey(0).picture());
    EXPECT_TRUE(f.cmdKey(0).isDefault());
    EXPECT_FALSE(key.isDefault());
    // An option button loaded into a group does not take the choice from the model.
    ui::OptionButton& option = f.optMode.load(1);
    EXPECT_TRUE(f.optMode(0).value());
    EXPECT_FALSE(option.value());
    EXPECT_TRUE(f.take().empty());
}

// The new member answers to the array's handlers with its own index, handlers wired before and
// after the load alike.
TEST(ControlArrayLoad, TheNewMemberRaisesTheArraysHandlers) {
    ArraysSession s;
    frmArrays& f = *s.form;
    ui::TextBox& added = f.txtLine.load(5);
    added.setEnabled(true);
    added.setVisible(true);
    added.setPasswordChar("");
    added.setMultiLine(false);
    added.setText("");
    f.take();
    ui::input::type(added, "x");
    EXPECT_EQ(f.take(), (Events{"txtLine_KeyPress(5,120)", "txtLine_Change(5)"}));

    f.txtLine.onDblClick([&f](int i) { f.events.push_back("txtLine_DblClick(" + std::to_string(i) + ")"); });
    ui::input::dblClick(added);
    EXPECT_EQ(f.take().back(), "txtLine_DblClick(5)");

    ui::CommandButton& key = f.cmdKey.load(3);
    key.setVisible(true);
    ui::input::click(key);
    EXPECT_EQ(f.take(), Events{"cmdKey_Click(3)"});
}

// Loading an index already loaded is the legacy error 360 and leaves the member as it was.
TEST(ControlArrayLoad, AnIndexAlreadyLoadedIsRefused) {
    ArraysSession s;
    frmArrays& f = *s.form;
    f.txtLine(4).setText("kept");
    f.txtLine.load(6);
    for (int index : {2, 4, 6}) {
        try {
            f.txtLine.load(index);
            ADD_FAILURE() << "load(" << index << ") was taken";
        } catch (const ui::ControlArrayError& e) {
            EXPECT_EQ(e.number(), ui::kErrAlreadyLoaded);
            EXPECT_NE(std::string(e.what()).find("Object already loaded"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(f.txtLine(4).text(), "kept");
    EXPECT_EQ(f.txtLine.count(), 3);
    // Unloaded, the index can be loaded again.
    f.txtLine.unload(6);
    EXPECT_FALSE(f.txtLine.exists(6));
    EXPECT_NO_THROW(f.txtLine.load(6));
}

// A renderer hears of a member once it has its design, and of one going before it goes.
TEST(ControlArrayLoad, TheRendererIsToldOfMembersComingAndGoing) {
    ArraysSession s;
    frmArrays& f = *s.form;
    Watcher w;
    f.addListener(&w);
    f.cmdKey.load(2);
    f.cmdKey.unload(2);
    f.removeListener(&w);
    EXPECT_EQ(w.seen, (Events{"added frmArrays.cmdKey(2) Key visible False", "removed frmArrays.cmdKey(2)"}));
    EXPECT_EQ(f.control("cmdKey", 2), nullptr);
}

// A member a data control is bound to lets go of the binding when it is unloaded: its unsaved edit
// is dropped, and the data control goes on with its other controls.
TEST(ControlArrayLoad, UnloadingABoundMemberLeavesNoBindingBehind) {
    ArraysSession s;
    frmArrays& f = *s.form;
    ui::TextBox& name = f.txtField.load(1);
    f.datStaff.bind(f.txtField(0), "szLevel_nu");
    f.datStaff.bind(name, "sFirst_nm");
    ASSERT_TRUE(f.datStaff.Refresh().ok());
    EXPECT_EQ(name.text(), "Ann");
    EXPECT_EQ(f.datStaff.boundField(name), "sFirst_nm");

    name.setText("Annie");
    f.txtField(0).setText("Level 7");
    f.txtField.unload(1);
    EXPECT_TRUE(f.datStaff.Recordset().MoveNext().ok());
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Ann");
    EXPECT_EQ(stored("1001", "szLevel_nu"), "Level 7");
    EXPECT_EQ(f.txtField(0).text(), "Level 2");

    // Loaded again, the member is a new control: not bound until code binds it.
    ui::TextBox& again = f.txtField.load(1);
    EXPECT_EQ(f.datStaff.boundField(again), "");
    EXPECT_TRUE(f.datStaff.Recordset().MoveNext().ok());
    EXPECT_EQ(f.txtField(0).text(), "Level 3");
    EXPECT_EQ(again.text(), "Level 2") << "took the design of txtField(0) when loaded";
}
