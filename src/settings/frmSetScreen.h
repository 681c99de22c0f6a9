#pragma once

#include "platform/ui/ui.h"

namespace pelk::settings {

// What dresses the log-in screen: the picture with the business's name, the logo picture and the
// running message. The boxes are bound to the settings row and stored as typed when the screen
// unloads; the log-in screen reads them at its next load.
class frmSetScreen : public ui::Form {
public:
    frmSetScreen();

    ui::Data Data1{this, "Data1"};
    ui::Label Label1{this, "Label1"};
    ui::TextBox Text1{this, "Text1"};
    ui::Label Label2{this, "Label2"};
    ui::TextBox Text2{this, "Text2"};
    ui::Label Label3{this, "Label3"};
    ui::TextBox Text3{this, "Text3"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdClose_Click();
};

}  // namespace pelk::settings
