#include "setup/steps.h"

#include <stdexcept>
#include <string>

namespace pelk::setup {

const StepLinks& linksOf(std::string_view step) {
    for (const StepLinks& links : kWizardRoad)
        if (links.step == step) return links;
    throw std::logic_error(std::string(step) + " is no step of the set-up wizard");
}

}  // namespace pelk::setup
