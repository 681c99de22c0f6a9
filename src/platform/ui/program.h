#pragma once

#include <functional>

namespace pelk::ui {

// What the program gives the runtime: its forms, and its start-up. The program fills this in
// pelk::installProgram(); the road runner and the executable call that, then registerForms, and
// startUp when the program starts.
struct Program {
    std::function<void()> registerForms;
    // Declares every store the program keeps with the data layer's catalogue.
    std::function<void()> declareStores;
    std::function<void()> startUp;
    // Work that needs no window (the stores made or looked at), begun on a thread of its own
    // while the window system comes up and waited for before startUp; startUp does it itself
    // when nobody began it.
    std::function<void()> early;
};

Program& program();

}  // namespace pelk::ui

namespace pelk {

// Defined by the program's composition root (src/app/program.cpp): fills ui::program().
void installProgram();

}  // namespace pelk
