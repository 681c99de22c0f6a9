#pragma once

#include <string>

#include "platform/ui/ui.h"

namespace pelk::settings {

// The choice box: a screen sets the mode in its Tag (and, for sizes and options, the captions of
// the buttons it wants), shows it waiting and reads its answer control afterwards. Every answer
// sets the box's Tag to "0" and unloads it, so each question starts from the design state.
class frmMsgbox : public ui::Form {
public:
    frmMsgbox();

    ui::Label lblMsg{this, "lblMsg"};
    ui::Label lblC{this, "lblC"};
    ui::CommandButton cmdS{this, "cmdS"};
    ui::CommandButton cmdM{this, "cmdM"};
    ui::CommandButton cmdOpt5{this, "cmdOpt5"};
    ui::CommandButton cmdYes{this, "cmdYes"};
    ui::CommandButton cmdNo{this, "cmdNo"};
    ui::CommandButton cmdOpt6{this, "cmdOpt6"};
    ui::TextBox txtSprice{this, "txtSprice"};
    ui::TextBox txtMprice{this, "txtMprice"};
    ui::TextBox txtPrice{this, "txtPrice"};
    ui::TextBox txtLprice{this, "txtLprice"};

    // The asking screen's control whose Tag takes the "Yes" of a deleting question. The box
    // clears it when it opens and writes nowhere else, so no other screen reads this answer.
    void setAnswerControl(ui::Control& control);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdS_Click();
    void cmdM_Click();
    void cmdYes_Click();
    void cmdNo_Click();
    void cmdOpt5_Click();
    void cmdOpt6_Click();

private:
    // Writes "Yes" into the asking screen's answer control (modes "3" and "4").
    void answerYes();
    // Mode "0": the size the room screen takes ("M", "L", "XL").
    void answerSize(const char* size);
    // Mode "7": option column k of the room screen's item grid goes onto the item's text.
    void answerOption(int column);
    // Every answer ends so.
    void close();

    // The answer control, found again by name when written, so that an asking screen unloaded
    // in the meantime is never touched.
    ui::Control* answerControl() const;
    std::string answerForm_, answerName_;
    int answerIndex_ = -1;
};

}  // namespace pelk::settings
