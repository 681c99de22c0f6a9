#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/qt/qt_host.h"
#include "platform/ui/form.h"
#include "support/temp_root.h"

namespace pelk::test {

// The whole program on the Qt host on a 1024 x 768 screen, as a new station has it (its stores
// made, its set-up done, no printer), with a clerk logged in at a level. Message boxes and input
// boxes are answered with their default at once and remembered, so that no screen waits for a hand.
class Station : public ::testing::Test {
protected:
    Station();
    ~Station() override;

    // Logs in on the log-in screen's keypad with the master code; the main window and the main
    // button panel are up after it. `level` ("Level 1" … "Level 3") is then given to the main window.
    void logIn(const std::string& level = "Level 3");
    // Shows a form as a screen that opens it does, as one event.
    ui::Form& open(const std::string& name);
    qt::QtHost& host();
    // The prompts of the message boxes shown so far.
    const std::vector<std::string>& prompts() const;

    // A press and a release of the left mouse button at a point of the screen, through the window
    // system: the window and the widget under the point take them, as a touch would.
    static void touch(const QPoint& global);
    // The centre of a control's widget on the screen.
    QPoint centreOf(const ui::Control& control);
    // The folder of the screenshots of every form: screens/ in the build folder.
    static std::string screensFolder();

private:
    TempRoot root_;
    struct Impl;
    Impl* impl_;
};

}  // namespace pelk::test
