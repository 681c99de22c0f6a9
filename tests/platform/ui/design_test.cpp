#include "platform/ui/design.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"

using namespace pelk;

namespace {

class frmDesigned : public ui::Form {
public:
    ui::Label lblName{this, "lblName"};
    ui::TextBox txtCode{this, "txtCode"};
    ui::ControlArray<ui::CommandButton> comKey{this, "comKey", 2};
    ui::Image imgLogo{this, "imgLogo"};
    ui::Frame fraBox{this, "fraBox"};
    ui::ListBox lstItems{this, "lstItems"};
    ui::Line linRule{this, "linRule"};
    ui::Menu mnuFile{this, "mnuFile"};
};

// A table the designer of a screen writes: every kind of value, a partial rectangle, a member of
// a control array, and the values set through their typed setters.
const ui::FormDesign kDesign{
    {{"Caption", "Designed"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 8400}, {"KeyPreview", true}},
    {
        {"lblName",
         {240, 540, 1575, 255},
         {{"Caption", "Name:"},
          {"Alignment", ui::kRightJustify},
          {"Font", ui::font::kSans10Bold},
          {"BackColor", ui::color::kDesktop},
          {"Visible", false}}},
        {"txtCode", {1920, 480}, {{"Container", "fraBox"}, {"FontSize", 13.5}}},
        {"comKey(1)", {}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"imgLogo", {}, {{"Picture", ui::pressedPicture("Logo")}, {"MouseIcon", ui::picture("Report")}}},
        {"lstItems", {}, {{"Sorted", true}}},
        {"linRule", {}, {{"X2", 9000}, {"BorderColor", ui::color::kWhite}}},
        {"mnuFile", {}, {{"Caption", "&File"}, {"Shortcut", "Ctrl+F"}}},
    }};

TEST(Design, ATableSetsEachPropertyAsItsNameReadsBack) {
    ui::ScriptedSession session;
    frmDesigned f;
    f.txtCode.setWidth(900);
    ui::clearDesignProblems();
    ui::applyDesign(f, kDesign);
    EXPECT_TRUE(ui::designProblems().empty());

    struct Case {
        ui::Object* object;
        const char* property;
        const char* reads;
    };
    for (const Case& c : {
             Case{&f, "Caption", "Designed"},
             Case{&f, "MDIChild", "True"},
             Case{&f, "BorderStyle", "0"},
             Case{&f, "Width", "8400"},
             Case{&f, "Height", "3600"},  // not in the table: as made
             Case{&f, "KeyPreview", "True"},
             Case{&f.lblName, "Left", "240"},
             Case{&f.lblName, "Height", "255"},
             Case{&f.lblName, "Caption", "Name:"},
             Case{&f.lblName, "Alignment", "1"},
             Case{&f.lblName, "FontName", "MS Sans Serif"},
             Case{&f.lblName, "FontSize", "9.75"},
             Case{&f.lblName, "FontBold", "True"},
             Case{&f.lblName, "BackColor", "2147483649"},
             Case{&f.lblName, "Visible", "False"},
             Case{&f.txtCode, "Top", "480"},
             Case{&f.txtCode, "Width", "900"},  // {left, top} places without sizing
             Case{&f.txtCode, "FontSize", "13.5"},
             Case{&f.comKey(1), "Picture", "(design) Back"},
             Case{&f.comKey(0), "Style", "0"},
             Case{&f.imgLogo, "Picture", "(design, pressed) Logo"},
             Case{&f.imgLogo, "MouseIcon", "(design) Report"},
             Case{&f.lstItems, "Sorted", "True"},
             Case{&f.linRule, "X2", "9000"},
             Case{&f.linRule, "BorderColor", "16777215"},
             Case{&f.mnuFile, "Shortcut", "Ctrl+F"},
         }) {
        EXPECT_EQ(c.object->property(c.property), c.reads) << c.object->path() << "." << c.property;
    }
    EXPECT_EQ(f.txtCode.container(), &f.fraBox);
}

// Each fault of a table is told once, naming the control and what it does not have; a build with
// assertions stops at it.
TEST(Design, ANameOrValueTheFormDoesNotKnowIsAFault) {
    ui::ScriptedSession session;
    struct Case {
        ui::FormDesign design;
        const char* told;
    };
    // An array, not a vector: the tables' lists live as long as the array.
    const Case cases[] = {
        {{{}, {{"lblNowhere", {1, 2}, {}}}}, ".lblNowhere: no such control"},
        {{{}, {{"comKey(5)", {}, {}}}}, ".comKey(5): no such control"},
        {{{}, {{"comKey(one)", {}, {}}}}, ".comKey(one): no such control"},
        {{{}, {{"lblName", {}, {{"Captoin", "Name:"}}}}}, ".lblName: no property Captoin"},
        {{{}, {{"lblName", {}, {{"Name", "lblOther"}}}}}, ".lblName: Name is read-only"},
        {{{}, {{"lblName", {}, {{"Width", "wide"}}}}}, ".lblName: Width: \"wide\" is not a number"},
        {{{}, {{"lblName", {}, {{"Caption", ui::font::kDialog}}}}}, ".lblName: no property Caption takes that value"},
        {{{}, {{"lblName", {}, {{"Picture", ui::picture("Back")}}}}}, ".lblName: shows no picture"},
        {{{}, {{"txtCode", {}, {{"Container", "lblName"}}}}}, ".txtCode: there is no frame or picture box lblName"},
        {{{}, {{"txtCode", {}, {{"Sorted", true}}}}}, ".txtCode: has no list to sort"},
        {{{}, {{"txtCode", {}, {{"Shortcut", "F5"}}}}}, ".txtCode: is no menu item"},
        {{{{"Captoin", "Designed"}}, {}}, ": no property Captoin"},
    };
    for (const Case& c : cases) {
        frmDesigned f;
        ui::clearDesignProblems();
        try {
            ui::applyDesign(f, c.design);
        } catch (const ui::DesignError& e) {
            EXPECT_NE(std::string(e.what()).find(c.told), std::string::npos) << e.what();
        }
        ASSERT_EQ(ui::designProblems().size(), 1u) << c.told;
        EXPECT_NE(ui::designProblems()[0].find(c.told), std::string::npos) << ui::designProblems()[0];
    }
    ui::clearDesignProblems();
}

}  // namespace
