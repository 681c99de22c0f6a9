#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/os/registry.h"
#include "platform/ui/ui.h"

namespace pelk::shell {

// The about box: title, version and the store's name; the system-information tool, the texts in the
// second language, and the service access code that unlocks the Information menu.
class frmAbout : public ui::Form {
public:
    // Given by telephone to service staff; three groups of six digits.
    static constexpr std::string_view kServiceAccessCode = "418207-639514-072853";
    static constexpr int kIconFrames = 18;

    frmAbout();

    ui::Label lblTitle{this, "lblTitle"};
    ui::Label lblVersion{this, "lblVersion"};
    ui::Label Label1{this, "Label1"};
    ui::Label lblTo{this, "lblTo"};
    ui::TextBox Text1{this, "Text1"};
    ui::Label lblNotes{this, "lblNotes"};
    ui::Image imgTo{this, "imgTo"};
    ui::Image imgNotes{this, "imgNotes"};
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};
    ui::CommandButton cmdPhone{this, "cmdPhone"};
    ui::CommandButton cmdSysInfo{this, "cmdSysInfo"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::Timer Timer1{this, "Timer1"};
    ui::ControlArray<ui::Image> Image1{this, "Image1", kIconFrames};

    // 1 while the window icon runs its frames, 0 once the box is closing.
    std::int16_t AnimateIcon = 0;
    // The frame the window icon shows now.
    std::int16_t IconFrame = 0;

    void Form_Load() override;
    void cmdEtoC_Click();
    void cmdPhone_Click();
    void cmdSysInfo_Click();
    void cmdClose_Click();
    void Timer1_Timer();

    // Starts the machine's system-information tool as the station's registry names it, or tells the
    // clerk it is unavailable.
    void StartSysInfo();
    // A value of the station's registry as text (a number in decimal digits); false, and the empty
    // text, when the key or the value is not there.
    bool GetKeyValue(os::RegistryKey KeyRoot, std::string_view KeyName, std::string_view SubKeyRef,
                     std::string& KeyVal);

private:
    void CycleAboutIcon();
};

}  // namespace pelk::shell
