#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"

namespace pelk::test {

// A form with one control of each plain kind, every event of which writes "name_Event" into
// `events`, so a test reads exactly which events a step raised and in which order.
class frmProbe : public ui::Form {
public:
    frmProbe() {
        for (ui::Control* c : std::vector<ui::Control*>{&txtA, &txtB, &lblA, &chkA, &cmbA, &lstA, &optA, &optB, &cmdA,
                                                        &imgA, &cmdInFrame, &mnuFile, &mnuOpen})
            logEvents(*c);
        cmdInFrame.setContainer(fraA);
        lstA.AddItem("Drink");
        lstA.AddItem("Soup");
        cmbA.AddItem("Daily");
        cmbA.AddItem("Weekly");
        mnuFile.setCaption("&File");
        mnuOpen.setCaption("&Open");
        mnuOpen.setShortcut("Ctrl+O");
        tmrA.setInterval(500);
        tmrA.setEnabled(false);
        tmrA.onTimer([this] { events.push_back("tmrA_Timer"); });
        comNumber.onClick([this](int i) { events.push_back("comNumber_Click(" + std::to_string(i) + ")"); });
    }

    ui::TextBox txtA{this, "txtA"};
    ui::TextBox txtB{this, "txtB"};
    ui::Label lblA{this, "lblA"};
    ui::CheckBox chkA{this, "chkA"};
    ui::ComboBox cmbA{this, "cmbA"};
    ui::ListBox lstA{this, "lstA"};
    ui::OptionButton optA{this, "optA"};
    ui::OptionButton optB{this, "optB"};
    ui::CommandButton cmdA{this, "cmdA"};
    ui::Image imgA{this, "imgA"};
    ui::Frame fraA{this, "fraA"};
    ui::CommandButton cmdInFrame{this, "cmdInFrame"};
    ui::Timer tmrA{this, "tmrA"};
    ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 3};
    ui::Menu mnuFile{this, "mnuFile"};
    ui::Menu mnuOpen{this, "mnuOpen", mnuFile};

    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }

    void Form_KeyPress(int& keyAscii) override {
        events.push_back("Form_KeyPress(" + std::to_string(keyAscii) + ")");
        if (dropInPreview && keyAscii == dropInPreview) keyAscii = 0;
    }
    int dropInPreview = 0;

private:
    void logEvents(ui::Control& c) {
        std::string n = c.name();
        c.onClick([this, n] { events.push_back(n + "_Click"); });
        c.onDblClick([this, n] { events.push_back(n + "_DblClick"); });
        c.onChange([this, n] { events.push_back(n + "_Change"); });
        c.onGotFocus([this, n] { events.push_back(n + "_GotFocus"); });
        c.onLostFocus([this, n] { events.push_back(n + "_LostFocus"); });
        c.onMouseDown(ui::Control::Handler([this, n] { events.push_back(n + "_MouseDown"); }));
        c.onMouseUp(ui::Control::Handler([this, n] { events.push_back(n + "_MouseUp"); }));
        c.onKeyPress([this, n](int& key) { events.push_back(n + "_KeyPress(" + std::to_string(key) + ")"); });
    }
};

// A session with the probe registered, loaded and shown.
struct ProbeSession {
    ui::ScriptedSession session;
    frmProbe* probe;
    ProbeSession() {
        ui::forms().registerForm<frmProbe>("frmProbe");
        probe = &ui::forms().get<frmProbe>();
        probe->Show();
        probe->take();
    }
    ui::ScriptedHost& host() { return session.host(); }
};

}  // namespace pelk::test
