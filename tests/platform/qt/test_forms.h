#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
#include "platform/ui/ui.h"

// Forms for the Qt host's tests only (no part of the program). Their handlers write what ran into
// `events`, so a test reads which events a user's action raised, and in which order.
namespace pelk::test {

inline constexpr ui::Color kLightGreen = 0xC0FFC0;

// A panel as the touch screens have them: light green, centred a fifth of the free height from
// the top, a title, an entry box, a keypad of picture buttons, a picture, a check box and a list.
class frmQtPanel : public ui::Form {
public:
    frmQtPanel() {
        setCaption("Front desk");
        setBorderStyle(3);
        Move(0, 0, 7200, 5400);
        setKeyPreview(true);
        lblTitle.Move(300, 300, 3000, 405);
        lblTitle.setCaption("Check &In");
        lblTitle.setBackColor(0x0000FF);
        lblTitle.setForeColor(0xFFFFFF);
        lblTitle.setFont(ui::Font{"Arial", 12, true});
        lblChinese.Move(300, 4500, 3000, 450);
        lblChinese.setCaption("Abc 中文");
        lblChinese.setBackStyle(0);
        lblChinese.setForeColor(0x000000);
        lblChinese.setFont(ui::Font{"SimSun", 14});
        txtCode.Move(300, 900, 2400, 375);
        cmdOK.Move(300, 1500, 1200, 600);
        cmdOK.setCaption("&OK");
        for (ui::CommandButton* b : comNumber.members()) {
            b->Move(2700 + b->index() * 900, 1500, 840, 600);
            b->setStyle(1);
            b->setBackColor(0xFFC0C0);
            b->setCaption(std::to_string(b->index()));
        }
        imgLogo.Move(4500, 300, 1500, 900);
        chkPaid.Move(300, 2400, 1800, 300);
        chkPaid.setCaption("Paid");
        lstRooms.Move(300, 2900, 2400, 1200);
        lstRooms.AddItem("101");
        lstRooms.AddItem("102");
        lstRooms.AddItem("103");
        fraDates.Move(3000, 2400, 3000, 1500);
        fraDates.setCaption("Dates");
        cmdInFrame.setContainer(fraDates);
        cmdInFrame.Move(150, 450, 1200, 450);
        cmdInFrame.setCaption("Today");
        linRule.setX1(300);
        linRule.setY1(4350);
        linRule.setX2(6900);
        linRule.setY2(4350);

        txtCode.onChange([this] { events.push_back("txtCode_Change"); });
        txtCode.onLostFocus([this] { events.push_back("txtCode_LostFocus"); });
        txtCode.onKeyPress([this](int& key) {
            // Letters come in upper case, as the code boxes want them.
            if (key >= 'a' && key <= 'z') key -= 32;
        });
        cmdOK.onGotFocus([this] { events.push_back("cmdOK_GotFocus"); });
        cmdOK.onClick([this] { events.push_back("cmdOK_Click"); });
        comNumber.onClick([this](int Index) { events.push_back("comNumber_Click(" + std::to_string(Index) + ")"); });
        chkPaid.onClick([this] { events.push_back("chkPaid_Click"); });
        lstRooms.onClick([this] { events.push_back("lstRooms_Click"); });
        cmdInFrame.onClick([this] { events.push_back("cmdInFrame_Click"); });
    }

    ui::Label lblTitle{this, "lblTitle"};
    ui::Label lblChinese{this, "lblChinese"};
    ui::TextBox txtCode{this, "txtCode"};
    ui::CommandButton cmdOK{this, "cmdOK"};
    ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 3};
    ui::Image imgLogo{this, "imgLogo"};
    ui::CheckBox chkPaid{this, "chkPaid"};
    ui::ListBox lstRooms{this, "lstRooms"};
    ui::Frame fraDates{this, "fraDates"};
    ui::CommandButton cmdInFrame{this, "cmdInFrame"};
    ui::Line linRule{this, "linRule"};
    ui::Timer Timer1{this, "Timer1"};

    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }

    void Form_Load() override {
        setBackColor(kLightGreen);
        Move((ui::screen().width() - width()) / 2, (ui::screen().height() - height()) / 5);
    }
    void Form_KeyPress(int& keyAscii) override {
        // The form sees every key first and keeps "#" from every box.
        events.push_back("Form_KeyPress(" + std::to_string(keyAscii) + ")");
        if (keyAscii == '#') keyAscii = 0;
    }
};

// A question shown waiting: its answer goes into the Tag of the caller's button.
class frmQtAsk : public ui::Form {
public:
    frmQtAsk();
    ui::Label lblQuestion{this, "lblQuestion"};
    ui::CommandButton cmdYes{this, "cmdYes"};
    ui::CommandButton cmdNo{this, "cmdNo"};
    void cmdYes_Click();
    void cmdNo_Click() { Hide(); }
};

// The form that asks: a button that shows the question waiting, one that asks through a message
// box, one that asks through an input box, one that ends the program.
class frmQtCaller : public ui::Form {
public:
    frmQtCaller() {
        setCaption("Caller");
        Move(600, 600, 6000, 3000);
        setBackColor(kLightGreen);
        cmdAsk.Move(300, 300, 1500, 600);
        cmdAsk.setCaption("Ask");
        cmdOther.Move(2100, 300, 1500, 600);
        cmdOther.setCaption("Other");
        cmdErase.Move(300, 1200, 1500, 600);
        cmdErase.setCaption("Erase");
        cmdRoom.Move(2100, 1200, 1500, 600);
        cmdRoom.setCaption("Room");
        cmdEnd.Move(3900, 1200, 1500, 600);
        cmdEnd.setCaption("End");
        cmdAsk.onClick([this] {
            auto& ask = ui::forms().get<frmQtAsk>();
            ask.lblQuestion.setCaption("Check the guest out?");
            ask.Show(ui::kModal);
            events.push_back("after the question: " + cmdAsk.tag());
        });
        cmdOther.onClick([this] { events.push_back("cmdOther_Click"); });
        cmdErase.onClick([this] {
            auto answer = ui::MsgBox("Do you wish to Erase the current custmer", ui::kYesNo + ui::kQuestion, "Erase");
            events.push_back(std::string(ui::answerName(answer)));
        });
        cmdRoom.onClick([this] { events.push_back("room [" + ui::InputBox("Room number?", "", "101") + "]"); });
        cmdEnd.onClick([this] {
            events.push_back("before End");
            ui::End();
        });
    }
    ui::CommandButton cmdAsk{this, "cmdAsk"};
    ui::CommandButton cmdOther{this, "cmdOther"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdRoom{this, "cmdRoom"};
    ui::CommandButton cmdEnd{this, "cmdEnd"};
    std::vector<std::string> events;
};

inline frmQtAsk::frmQtAsk() {
    // A fixed dialog without caption or control box: no title bar.
    setBorderStyle(3);
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    Move(2400, 2400, 4500, 2100);
    setBackColor(kLightGreen);
    lblQuestion.Move(300, 300, 3900, 450);
    lblQuestion.setBackStyle(0);
    cmdYes.Move(300, 1050, 1500, 600);
    cmdYes.setCaption("&Yes");
    cmdNo.Move(2700, 1050, 1500, 600);
    cmdNo.setCaption("&No");
    cmdYes.onClick([this] { cmdYes_Click(); });
    cmdNo.onClick([this] { cmdNo_Click(); });
}

inline void frmQtAsk::cmdYes_Click() {
    ui::forms().get<frmQtCaller>().cmdAsk.setTag("Yes");
    Unload();
}

// The main window with its menus.
class frmQtMain : public ui::MdiForm {
public:
    frmQtMain() {
        setCaption("Pelk POS 4");
        Move(0, 0, 11520, 8640);
        mmFile.setCaption("&File");
        mmClose.setCaption("&Close");
        mmWindows.setCaption("&Windows");
        mmMain.setCaption("&Main");
        mmMain.setShortcut("Ctrl+M");
        mmSetting.setCaption("&Settings");
        mmInfor.setCaption("Information");
        mmInfor.setShortcut("F5");
        mmClose.onClick([this] { Unload(); });
        mmMain.onClick([this] { events.push_back("mmMain_Click"); });
        mmInfor.onClick([this] { events.push_back("mmInfor_Click"); });
    }
    ui::Menu mmFile{this, "mmFile"};
    ui::Menu mmClose{this, "mmClose", mmFile};
    ui::Menu mmWindows{this, "mmWindows"};
    ui::Menu mmMain{this, "mmMain", mmWindows};
    ui::Menu mmSetting{this, "mmSetting"};
    ui::Menu mmInfor{this, "mmInfor", mmSetting};
    std::vector<std::string> events;
    void MDIForm_Load() override { setBackColor(kLightGreen); }
};

// A child window of the main window, without border.
class frmQtChild : public ui::Form {
public:
    frmQtChild() {
        setMdiChild(true);
        setBorderStyle(0);
        Move(1500, 600, 6000, 3000);
        setBackColor(kLightGreen);
        lblHello.Move(300, 300, 3000, 450);
        lblHello.setCaption("Main buttons");
        lblHello.setBackStyle(0);
    }
    ui::Label lblHello{this, "lblHello"};
};

// The log-in window: borderless, maximised, the desktop colour.
class frmQtLogin : public ui::Form {
public:
    frmQtLogin() {
        setBorderStyle(0);
        setWindowState(ui::kMaximized);
        setBackColor(0x80000001);
        setKeyPreview(true);
        Move(0, 0, 15390, 11520);
    }
};

}  // namespace pelk::test
