#include <cstring>
#include <iostream>

#include "pelk/version.h"
#include "platform/core/clock.h"
#include "platform/os/tidy.h"
#include "platform/print/printer.h"
#include "platform/ui/program.h"
#ifdef PELK_WITH_QT
#include "platform/qt/application.h"
#endif

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "Version " << pelk::kVersionMajor << "." << pelk::kVersionMinor << "."
                      << pelk::kVersionRevision << "\n";
            return 0;
        }
    }
    if (!pelk::core::clock::fixFromEnvironment()) {
        std::cerr << "pelkpos: PELKPOS_NOW is no date and time (write it as 2026-12-10 09:00:00).\n";
        return 2;
    }
    pelk::os::tidyAfterEarlierRuns();
    pelk::print::removeSpoolLeftovers();
    pelk::installProgram();
#ifdef PELK_WITH_QT
    return pelk::qt::run(argc, argv, pelk::ui::program());
#else
    std::cerr << "pelkpos: built without its windows (PELK_WITH_QT is off).\n";
    return 1;
#endif
}
