#include "shell/frmShutdown.h"

#include <string>

#include "platform/os/actions.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmPassword.h"

namespace pelk::shell {

frmShutdown::frmShutdown() {
    setCaption("Exit");
    setBorderStyle(3);
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    Move(3840, 3000, 7680, 2760);
    setBackColor(0xC0FFC0);

    struct Button {
        ui::CommandButton& button;
        double left;
        ui::Color back;
        const char* label;
    };
    // The buttons show pictures and no caption. The log-off button's picture, the log-in screen
    // with its number pad, is drawn as the words of its choice.
    for (const Button& b : {
             Button{cmdMainScreen, 240, 0xFFC0C0, "Log Off"},
             Button{cmdOK, 2040, 0xFFFFFF, "Exit Program"},
             Button{cmdPower, 3840, 0x0000C0, "Power Off"},
             Button{cmdReset, 5640, 0x00C0C0, "Restart"},
         }) {
        b.button.Move(b.left, 600, 1680, 1440);
        b.button.setStyle(1);
        b.button.setBackColor(b.back);
        b.button.setPicture(ui::Picture::design(b.label));
        b.button.setFont({"Arial", 12, true});
    }

    cmdMainScreen.onClick([this] { cmdMainScreen_Click(); });
    cmdOK.onClick([this] { cmdOK_Click(); });
    cmdPower.onClick([this] { cmdPower_Click(); });
    cmdReset.onClick([this] { cmdReset_Click(); });
}

void frmShutdown::Form_Load() { setBackColor(0xC0FFC0); }

// The main window takes every screen inside it along, the hidden holders of the settings too; a
// screen that refuses to close (its clerk chose to stay) keeps the main window, and the log-off
// stops there.
void frmShutdown::cmdMainScreen_Click() {
    Unload();
    if (!ui::Unload<frmMainButn>()) return;
    if (!ui::Unload<frmMain>()) return;
    ui::forms().get<frmPassword>().Show();
}

// The main window goes first, so that its screens write what they hold; the program then ends at
// once. A station that refuses to go down is told to the clerk before the end.
void frmShutdown::cmdOK_Click() {
    if (cmdPower.tag() == "1") {
        if (std::string refused = os::actions().shutdown(); !refused.empty())
            ui::MsgBox("The station could not be shut down. " + refused, ui::kExclamation);
    } else if (cmdReset.tag() == "1") {
        if (std::string refused = os::actions().restart(); !refused.empty())
            ui::MsgBox("The station could not be restarted. " + refused, ui::kExclamation);
    } else if (!ui::Unload<frmMain>()) {
        Unload();
        return;
    }
    Unload();
    ui::End();
}

void frmShutdown::cmdPower_Click() {
    Unload();
    if (!ui::Unload<frmMain>()) return;
    cmdPower.setTag("1");
    cmdOK_Click();
}

void frmShutdown::cmdReset_Click() {
    Unload();
    if (!ui::Unload<frmMain>()) return;
    cmdReset.setTag("1");
    cmdOK_Click();
}

}  // namespace pelk::shell
