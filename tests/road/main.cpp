#include <iostream>
#include <string_view>

#include "platform/ui/program.h"
#include "road/demo_forms.h"
#include "road/runner.h"

// road SCRIPT.road: runs one road script through the program's screens; exits 0 when every expect
// held, 1 when one did not, 2 when a line could not run.
// road --designs: dumps every registered form as loaded on fresh stores (dumpDesigns).
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: road SCRIPT.road | road --designs\n";
        return pelk::road::kScriptFailed;
    }
    pelk::installProgram();
    auto registerForms = [] {
        if (pelk::ui::program().registerForms) pelk::ui::program().registerForms();
        pelk::road::registerDemoForms();
    };
    if (std::string_view(argv[1]) == "--designs") return pelk::road::dumpDesigns(registerForms, std::cout, std::cerr);
    return pelk::road::runScriptFile(argv[1], registerForms, std::cout, std::cerr);
}
