#include <cstring>
#include <iostream>

#include "pelk/version.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "Version " << pelk::kVersionMajor << "." << pelk::kVersionMinor << "."
                      << pelk::kVersionRevision << "\n";
            return 0;
        }
    }
    std::cerr << "pelkpos: the screens are not built yet.\n";
    return 1;
}
