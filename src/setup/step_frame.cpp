#include "setup/step_frame.h"

#include "settings/common.h"
#include "setup/road_end.h"
#include "setup/steps.h"

namespace pelk::setup {

namespace {
constexpr ui::Color kStepPink = 0xFF80FF;
}

WizardStep::WizardStep(int step, bool withBack) {
    setCaption("");
    setBorderStyle(0);
    setControlBox(false);
    setWidth(11190);
    setHeight(7500);
    setBackColor(settings::kScreenGreen);

    imgBanner.setPicture(ui::Picture::design("Pelk POS 4 Setup"));
    imgBanner.setStretch(true);
    imgBanner.Move(2880, 120, 5760, 1200);

    lblStep.setCaption("Step " + std::to_string(step) + " of 6");
    lblStep.setFontName("MS Sans Serif");
    lblStep.setFontSize(18);
    lblStep.setFontBold(true);
    lblStep.setBackColor(kStepPink);
    lblStep.Move(0, 0, 2295, 495);

    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(360, 6480, 1635, 800);
    cmdClose.setVisible(withBack);
    cmdNext.setStyle(1);
    cmdNext.setPicture(ui::Picture::design("Next"));
    cmdNext.Move(9240, 6480, 1635, 800);
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
