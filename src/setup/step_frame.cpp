#include "setup/step_frame.h"

#include "platform/ui/design.h"
#include "settings/common.h"
#include "setup/road_end.h"
#include "setup/steps.h"

namespace pelk::setup {

namespace {

// The step label's own size of the dialog face: no other screen prints so large in it.
constexpr ui::FontRole kStepFont{ui::font::kDialog.name, 18, true};

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"BorderStyle", 0},
     {"ControlBox", false},
     {"Width", 11190},
     {"Height", 7500},
     {"BackColor", ui::color::kLightGreen}},
    {
        {"imgBanner", {2880, 120, 5760, 1200}, {{"Picture", ui::picture("Pelk POS 4 Setup")}, {"Stretch", true}}},
        {"lblStep", {0, 0, 2295, 495}, {{"Font", kStepFont}, {"BackColor", ui::color::kPink}}},
        {"cmdClose", {360, 6480, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"cmdNext", {9240, 6480, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Next")}}},
    }};

}  // namespace

WizardStep::WizardStep(int step, bool withBack) {
    ui::applyDesign(*this, kDesign);
    lblStep.setCaption("Step " + std::to_string(step) + " of 6");
    cmdClose.setVisible(withBack);
}

void WizardStep::Form_Load() { settings::CentreForm(*this, 2); }

bool WizardStep::goBack() { return closeAndShow(linksOf(name()).back); }
bool WizardStep::goNext() { return closeAndShow(linksOf(name()).next); }

bool WizardStep::closeAndShow(std::string_view step) {
    if (!Unload()) return false;
    if (step.empty())
        showPrinterSettings();
    else
        ui::forms().byName(step).Show(ui::kModal);
    return true;
}

}  // namespace pelk::setup
