#pragma once

#include <string>
#include <vector>

#include "platform/db/error.h"

namespace pelk::shell {

// The program's entry: the splash, the log-in screen, the hidden main window, and on a station's
// very first start the set-up wizard. When it returns the program lives on in its open forms.
void Main();

// What the making of the stores came to, for the start-up to tell.
struct StoresMade {
    std::vector<db::Error> failures;
    // The stores of a station already set up that were missing or empty and are now made anew,
    // by file name. A new station's stores are all made anew and are not listed.
    std::vector<std::string> madeAnew;
};

// Makes every store the program keeps that this station lacks (a new station has none), in two
// steps: the making, which needs no window and may run on another thread, and the telling of
// each one that could not be made and of each one made anew.
StoresMade makeStores();
void tellStoreFailures(const std::vector<db::Error>& failures);
void tellStoresMadeAnew(const std::vector<std::string>& fileNames);

// The stores the log-in screen reads from the program folder, opened ahead (on the early thread),
// their tables' fields read, and held until the start-up has shown it, so that its load finds
// them open. A store that cannot be opened is left to the screen to tell.
void openLogInStores();
void releaseLogInStores();

}  // namespace pelk::shell
