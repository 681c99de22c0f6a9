#pragma once

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::settings {

// Where this station's data lies: alone ("Single", the program folder) or on a server's shared
// folder ("File Sharing"). Loaded hidden by its first reader, it holds the stored mode, server path
// and shared folder for the whole run; what changes here is stored when the screen closes.
class frmNWSetin : public ui::Form {
public:
    frmNWSetin();

    ui::Data DatSet{this, "DatSet"};
    ui::TextBox txtNWsetin{this, "txtNWsetin"};
    ui::TextBox txtPath{this, "txtPath"};
    ui::TextBox txtData{this, "txtData"};
    ui::TextBox Text1{this, "Text1"};
    ui::Label Label1{this, "Label1"};
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label5{this, "Label5"};
    ui::CommandButton cmdSingle{this, "cmdSingle"};
    ui::CommandButton cmdShare{this, "cmdShare"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::CommandButton Command1{this, "Command1"};
    ui::CommandButton Command2{this, "Command2"};
    ui::CommandButton Command3{this, "Command3"};

    void Form_Load() override;
    void cmdShare_Click();
    void cmdSingle_Click();
    void cmdClose_Click();
};

}  // namespace pelk::settings
