#pragma once

#include <array>
#include <string_view>

namespace pelk::setup {

// The set-up wizard's road, in this one table: each step, the step its Back shows and the step
// its Next shows, by the names the form registry knows them by. No Back: the first step. No
// Next: the road ends there, on the printer settings (a station on its own also ends it at
// frmRegister2b). No Next leads to the menu-sections step; its own Next goes on in the menu's
// item detail editor, whose Back returns to it.
struct StepLinks {
    std::string_view step;
    std::string_view back;
    std::string_view next;
};

inline constexpr std::array kWizardRoad = {
    StepLinks{"frmRegister", "", "frmRegister0"},
    StepLinks{"frmRegister0", "frmRegister", "frmRegister1"},
    StepLinks{"frmRegister1", "frmRegister0", "frmRegister2"},
    StepLinks{"frmRegister2", "frmRegister1", "frmRegister2b"},
    StepLinks{"frmRegister2b", "frmRegister2", "frmRegister2C"},
    StepLinks{"frmRegister2C", "frmRegister2b", ""},
    StepLinks{"frmRegister3", "frmRegister2", "frmEDes"},
};

// The row of the step named as the registry names it; throws std::logic_error for a form that
// is no step of the road.
const StepLinks& linksOf(std::string_view step);

}  // namespace pelk::setup
