#pragma once

#include <string>
#include <string_view>

#include "platform/ui/ui.h"

namespace pelk::setup {

// The frame every step of the set-up wizard shares: a borderless light-green window centred on
// the screen, the banner across the top, the pink step label, Back at the bottom left (not on the
// first step) and Next at the bottom right. Back and Next are the only ways out of a step.
class WizardStep : public ui::Form {
public:
    // `step` counts from 1; the first step has no Back.
    WizardStep(int step, bool withBack = true);

    ui::Image imgBanner{this, "imgBanner"};
    ui::Label lblStep{this, "lblStep"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::CommandButton cmdNext{this, "cmdNext"};

    void Form_Load() override;

protected:
    // Back and Next as the road (steps.h) has them: this step closes, which stores its bound
    // fields, and the step before (after) it shows waiting; the handler that called it returns
    // only when the rest of the road has run. Past the road's last step the printer settings
    // show instead, without waiting. False when this step refused to close.
    bool goBack();
    bool goNext();

private:
    bool closeAndShow(std::string_view step);
};

}  // namespace pelk::setup
