#include "shell/frmShutdown.h"

#include <string>

#include "platform/os/actions.h"
#include "platform/ui/design.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmPassword.h"

namespace pelk::shell {

namespace {

const ui::FormDesign kDesign{{{"Caption", "Exit"},
                              {"BorderStyle", 3},
                              {"ControlBox", false},
                              {"MinButton", false},
                              {"MaxButton", false},
                              {"BackColor", ui::color::kLightGreen}},
                             {
                                 // The buttons show pictures and no caption. The log-off button's picture, the log-in
                                 // screen with its number pad, is drawn as the words of its choice.
                                 {"cmdMainScreen",
                                  {240, 600, 1680, 1440},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kLightBlue},
                                   {"Picture", ui::picture("Log Off")},
                                   {"Font", ui::font::kArial12Bold}}},
                                 {"cmdOK",
                                  {2040, 600, 1680, 1440},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kWhite},
                                   {"Picture", ui::picture("Exit Program")},
                                   {"Font", ui::font::kArial12Bold}}},
                                 {"cmdPower",
                                  {3840, 600, 1680, 1440},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kDarkRed},
                                   {"Picture", ui::picture("Power Off")},
                                   {"Font", ui::font::kArial12Bold}}},
                                 {"cmdReset",
                                  {5640, 600, 1680, 1440},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kOlive},
                                   {"Picture", ui::picture("Restart")},
                                   {"Font", ui::font::kArial12Bold}}},
                             }};

}  // namespace

frmShutdown::frmShutdown() {
    ui::applyDesign(*this, kDesign);
    Move(3840, 3000, 7680, 2760);

    cmdMainScreen.onClick([this] { cmdMainScreen_Click(); });
    cmdOK.onClick([this] { cmdOK_Click(); });
    cmdPower.onClick([this] { cmdPower_Click(); });
    cmdReset.onClick([this] { cmdReset_Click(); });
}

void frmShutdown::Form_Load() { setBackColor(ui::color::kLightGreen); }

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
