#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/qt/qt_host.h"
#include "support/temp_root.h"

namespace pelk::test {

// The QApplication of the test program, on the offscreen platform unless another is set, with
// the program's look.
QApplication& qtApp();

// A fresh program on the Qt host for one test: a temporary root folder and a fixed clock, no
// forms, the host installed. Everything is unloaded, and the windows deleted, when it ends.
class QtSession : public ::testing::Test {
public:
    // Lets Qt deliver what is pending (shows, focus, deleted windows).
    static void settle();
    // The widget's picture, saved as screenshots/<name>.png under the test build folder.
    static QImage screenshot(QWidget* widget, const std::string& name);
    // Runs `answer` on the dialog or window shown waiting, once it is up; a test that leaves it
    // open fails instead of hanging (the dialog is closed after a second).
    static void whenModal(std::function<void(QWidget*)> answer);
    // A click (a touch) at a point of the screen, given to the window there through the window
    // system, as a finger gives it: whatever is drawn at that point takes it.
    static void touchScreen(QPoint global);
    // The middle of a widget on the screen.
    static QPoint centreOnScreen(const QWidget* widget);

protected:
    QtSession();
    ~QtSession() override;

    qt::QtHost& host() { return *host_; }
    const TempRoot& root() const { return root_; }

private:
    TempRoot root_;
    std::unique_ptr<qt::QtHost> host_;
};

// How many pixels of the image have the colour (give or take a little for anti-aliasing).
int countColour(const QImage& image, const QColor& colour, int tolerance = 8);

}  // namespace pelk::test
