#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"
#include "probe_form.h"
#include "support/temp_root.h"

using namespace pelk;
using R = ui::MsgBoxResult;

TEST(MessageBoxes, ButtonsIconsAndDefaults) {
    struct Case {
        int style;
        std::vector<R> buttons;
        ui::MsgBoxIcon icon;
        R byDefault;
    } cases[] = {
        {ui::kOKOnly, {R::OK}, ui::MsgBoxIcon::None, R::OK},
        {ui::kOKCancel + ui::kCritical, {R::OK, R::Cancel}, ui::MsgBoxIcon::Critical, R::OK},
        {ui::kYesNo + ui::kQuestion, {R::Yes, R::No}, ui::MsgBoxIcon::Question, R::Yes},
        {ui::kYesNoCancel + ui::kQuestion + ui::kDefaultButton3,
         {R::Yes, R::No, R::Cancel},
         ui::MsgBoxIcon::Question,
         R::Cancel},
        {ui::kRetryCancel + ui::kExclamation, {R::Retry, R::Cancel}, ui::MsgBoxIcon::Exclamation, R::Retry},
        {ui::kAbortRetryIgnore + ui::kInformation + ui::kDefaultButton2,
         {R::Abort, R::Retry, R::Ignore},
         ui::MsgBoxIcon::Information,
         R::Retry},
    };
    for (const Case& c : cases) {
        ui::ScriptedSession session;
        EXPECT_EQ(ui::buttonsOf(c.style), c.buttons) << c.style;
        // Unanswered, the box gets its default button, and is still recorded.
        EXPECT_EQ(ui::MsgBox("Sure?", c.style), c.byDefault) << c.style;
        ASSERT_EQ(session.host().messageBoxes().size(), 1u);
        const auto& box = session.host().messageBoxes()[0];
        EXPECT_EQ(box.icon(), c.icon) << c.style;
        EXPECT_EQ(box.buttons(), c.buttons) << c.style;
        // Every button of the box can be the answer.
        for (R b : c.buttons) {
            session.host().answer(b);
            EXPECT_EQ(ui::MsgBox("Sure?", c.style), b);
        }
    }
}

TEST(MessageBoxes, TitleAnswersAndWrongAnswers) {
    ui::ScriptedSession session;
    auto& host = session.host();
    ui::MsgBox("Reservation not found !");
    host.answer(R::No);
    EXPECT_EQ(ui::MsgBox("Do you wish to Erase the current custmer", ui::kYesNo + ui::kQuestion, "Erase"), R::No);
    ASSERT_EQ(host.messageBoxes().size(), 2u);
    EXPECT_EQ(host.messageBoxes()[0].title, "Pelk POS 4");
    EXPECT_EQ(host.messageBoxes()[0].prompt, "Reservation not found !");
    EXPECT_EQ(host.messageBoxes()[1].title, "Erase");
    EXPECT_EQ(host.messageBoxes()[1].answer, R::No);

    host.answer(R::Yes);  // a box of OK alone has no Yes
    EXPECT_THROW(ui::MsgBox("Saved."), std::logic_error);
    EXPECT_EQ(ui::answerFromName("retry"), R::Retry);
    EXPECT_EQ(ui::answerFromName("Maybe"), std::nullopt);
}

TEST(InputBoxes, DefaultAnswerAndCancel) {
    ui::ScriptedSession session;
    auto& host = session.host();
    EXPECT_EQ(ui::InputBox("Enter Empolyees ID", "Find"), "");
    EXPECT_EQ(ui::InputBox("Room?", "", "101"), "101");  // OK on the default
    host.answerInput("1234");
    EXPECT_EQ(ui::InputBox("Enter Empolyees ID", "Find", "9"), "1234");
    host.cancelInput();
    EXPECT_EQ(ui::InputBox("Enter Empolyees ID", "Find", "9"), "");  // Cancel gives the empty text
    ASSERT_EQ(host.inputBoxes().size(), 4u);
    EXPECT_EQ(host.inputBoxes()[1].title, "Pelk POS 4");
    EXPECT_EQ(host.inputBoxes()[2].defaultText, "9");
    EXPECT_EQ(host.inputBoxes()[3].answer, std::nullopt);
}

// A picture is told by its first bytes, not by its name.
TEST(Pictures, LoadPictureKnowsWhatItCanShow) {
    test::TempRoot root;
    const std::string folder = "C:\\Program Files\\Pelk POS 4\\ItemPic\\";
    struct Case {
        const char* file;
        std::string bytes;
        ui::PictureFormat format;
    } cases[] = {
        {"a.bmp", std::string("BM\x36\x00\x00\x00", 6), ui::PictureFormat::Bmp},
        {"a.jpg", std::string("\xFF\xD8\xFF\xE0", 4), ui::PictureFormat::Jpeg},
        {"a.gif", "GIF89a....", ui::PictureFormat::Gif},
        {"old.gif", "GIF87a....", ui::PictureFormat::Gif},
        {"a.ico", std::string("\x00\x00\x01\x00\x01\x00", 6), ui::PictureFormat::Icon},
        {"a.png", std::string("\x89PNG\r\n\x1A\n\x00", 9), ui::PictureFormat::Png},
        {"png.bmp", std::string("\x89PNG\r\n\x1A\n\x00", 9), ui::PictureFormat::Png},
        {"text.bmp", "just some text", ui::PictureFormat::None},
        {"empty.jpg", "", ui::PictureFormat::None},
    };
    for (const Case& c : cases) {
        root.writeFile(folder + c.file, c.bytes);
        std::string error;
        auto pic = ui::LoadPicture(folder + c.file, &error);
        if (c.format == ui::PictureFormat::None) {
            EXPECT_FALSE(pic) << c.file;
            EXPECT_EQ(error.rfind("Invalid picture", 0), 0u) << c.file << ": " << error;
        } else {
            ASSERT_TRUE(pic) << c.file << ": " << error;
            EXPECT_EQ(pic->format(), c.format) << c.file;
            EXPECT_EQ(pic->path(), folder + c.file);
        }
    }
    std::string error;
    EXPECT_FALSE(ui::LoadPicture(folder + "missing.bmp", &error));
    EXPECT_EQ(error.rfind("File not found", 0), 0u);
    auto none = ui::LoadPicture("");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());

    // Through a property: the path reads back; no picture is refused and leaves the old one.
    ui::ScriptedSession session;
    ui::forms().registerForm<test::frmProbe>("frmProbe");
    auto& p = ui::forms().get<test::frmProbe>();
    p.imgA.setProperty("Picture", folder + "a.png");
    EXPECT_EQ(p.imgA.property("Picture"), folder + "a.png");
    EXPECT_THROW(p.imgA.setProperty("Picture", folder + "text.bmp"), ui::PropertyError);
    EXPECT_EQ(p.imgA.picture().format(), ui::PictureFormat::Png);
    p.setProperty("Icon", folder + "a.ico");
    EXPECT_EQ(p.icon().format(), ui::PictureFormat::Icon);
    p.setProperty("WindowState", "1");
    EXPECT_EQ(p.windowState(), ui::kMinimized);
}

// The screen's size is the tests' to set; a form centred on it keeps the fraction.
TEST(Screen, SizeAndPointer) {
    ui::ScriptedSession session;
    EXPECT_EQ(ui::screen().width(), 15360);
    ui::screen().setSize(12000, 9000);
    ui::forms().registerForm<test::frmProbe>("frmProbe");
    auto& p = ui::forms().get<test::frmProbe>();
    p.Move((ui::screen().width() - 4245) / 2, (ui::screen().height() - 2430) / 5);
    EXPECT_EQ(p.property("Left"), "3877.5");
    EXPECT_EQ(p.property("Top"), "1314");
    ui::screen().setMousePointer(ui::kHourglass);
    EXPECT_EQ(ui::screen().mousePointer(), 11);
    p.Show();
    EXPECT_EQ(ui::screen().activeForm(), &p);
    EXPECT_EQ(ui::screen().activeControl(), &p.txtA);
}

// Properties read as scripts compare them; writes of unreadable values are refused.
TEST(Properties, ReadAndWrittenAsText) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    p.setBackColor(0xC0FFC0);
    p.txtA.setPasswordChar("*");
    p.chkA.setValue(1);
    p.lblA.Move(120.5, 600);
    struct Case {
        ui::Object* object;
        const char* property;
        const char* text;
    } cases[] = {
        {&p, "BackColor", "12648384"},  {&p, "Visible", "True"},
        {&p, "KeyPreview", "False"},    {&p, "Tag", ""},
        {&p.lblA, "Left", "120.5"},     {&p.lblA, "Top", "600"},
        {&p.txtA, "PasswordChar", "*"}, {&p.txtA, "FontSize", "8.25"},
        {&p.chkA, "Value", "1"},        {&p.lstA, "ListCount", "2"},
        {&p.lstA, "List(1)", "Soup"},   {&p.lstA, "list(0)", "Drink"},  // names without regard to case
        {&p.cmbA, "ListIndex", "-1"},   {&p.comNumber(1), "Index", "1"},
        {&p.tmrA, "Interval", "500"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.object->property(c.property), c.text) << c.object->path() << "." << c.property;

    p.setProperty("BackColor", "&HFF&");
    EXPECT_EQ(p.backColor(), 255);
    p.lstA.setProperty("List(0)", "Beer");
    EXPECT_EQ(p.lstA.list(0), "Beer");
    EXPECT_THROW(p.chkA.setProperty("Value", "yes"), ui::PropertyError);
    EXPECT_THROW(p.txtA.setProperty("Width", "wide"), ui::PropertyError);
    EXPECT_THROW(p.txtA.setProperty("Caption", "x"), ui::PropertyError);  // a text box has none
    EXPECT_THROW(p.lstA.setProperty("ListCount", "3"), ui::PropertyError);
    EXPECT_THROW(p.lstA.property("List(5)"), ui::PropertyError);
    EXPECT_THROW(p.lstA.setProperty("ListIndex", "5"), ui::PropertyError);
}

// A renderer hears of every change on the forms it shows.
TEST(Properties, ListenersHearEveryChange) {
    test::ProbeSession s;
    struct Recorder : ui::FormListener {
        std::vector<std::string> heard;
        void formChanged(ui::Form& f, std::string_view p) override { heard.push_back(f.name() + "." + std::string(p)); }
        void controlChanged(ui::Control& c, std::string_view p) override {
            heard.push_back(c.path() + "." + std::string(p));
        }
    } recorder;
    s.probe->addListener(&recorder);
    s.probe->setCaption("Probe");
    s.probe->lblA.setCaption("x");
    s.probe->lblA.setCaption("x");
    ui::input::type(s.probe->txtA, "a");
    s.probe->lstA.AddItem("Tea");
    s.probe->removeListener(&recorder);
    s.probe->setTag("unheard");
    EXPECT_EQ(recorder.heard, (std::vector<std::string>{"frmProbe.Caption", "frmProbe.lblA.Caption",
                                                        "frmProbe.txtA.Text", "frmProbe.lstA.List"}));
}
