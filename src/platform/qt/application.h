#pragma once

#include <functional>
#include <memory>

#include "platform/ui/program.h"

class QApplication;

// The program on the Qt host, as pelkpos starts it.
namespace pelk::qt {

// Whether Qt can show windows here: a platform is named (QT_QPA_PLATFORM or -platform), or a
// display is set ($DISPLAY, $WAYLAND_DISPLAY).
bool displayAvailable(int argc, char** argv);

// Gives the application the program's look: the Fusion style in the classic desktop colours, and
// the face standing for MS Sans Serif for Qt's own dialogs.
void applyLook(QApplication& app);

// The look given when the first window or dialog is about to be built, not before: a start-up
// does its first work (the log-in screen's load) while the font configuration is still being read.
// `give` runs once, from lookReady(), which whatever builds a window or dialog calls first.
void deferLook(std::function<void()> give);
void lookReady();

// What a start begins before the window system comes up, each on a thread of its own: the font
// configuration read (the first text drawn would wait for it) and the program's early work. Each
// is waited for before what needs it; a part that cannot have a thread is done when waited for.
class EarlyStart {
public:
    explicit EarlyStart(const ui::Program& program);
    ~EarlyStart();
    EarlyStart(const EarlyStart&) = delete;
    EarlyStart& operator=(const EarlyStart&) = delete;
    // Before the first font is asked for.
    void fontsReady();
    // Before the program's start-up; what the early work threw is thrown here.
    void programReady();

private:
    struct Part;
    std::unique_ptr<Part> fonts_, work_;
};

// Runs the program on a QtHost in the QApplication that exists: registers its forms, runs its
// start-up as the program's first event, then the event loop until the program ends (End, or its
// last form unloaded). A start-up that fails or is missing is told in a plain message box, and the
// program ends. 0 when the program ran and ended, 1 when it could not start. `early`: what was
// begun before the QApplication, waited for before the start-up.
int runProgram(const ui::Program& program, EarlyStart* early = nullptr);

// pelkpos: makes the QApplication and runs the program; without a display, says so on stderr
// and returns 1 (scripts/run serves the screen over VNC then).
int run(int& argc, char** argv, const ui::Program& program);

}  // namespace pelk::qt
