#include "qt_session.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "platform/qt/application.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"

namespace pelk::test {

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // The offscreen platform says so for every window raised or of fixed size.
    if (message.contains("This plugin does not support") || message.contains("XDG_RUNTIME_DIR")) return;
    if (type != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

// The offscreen platform as a station's virtual display: one 1024 by 768 screen at 96 dpi, and no
// window manager (no frame drawn around windows by anyone but the program). Test programs run
// side by side: each reads a file of its own, so none can find another's missing or half-written
// as it is replaced. The file is read while the application is made; its path is returned so
// that it is removed then.
std::filesystem::path useStationScreen() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && std::string(platform) != "offscreen") return {};
    std::filesystem::path config = std::filesystem::path(PELK_TEST_BINARY_DIR) /
                                   ("offscreen_1024x768." + std::to_string(getpid()) + ".json");
    std::ofstream(config) << R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": false,
  "screens": [{"name": "Station", "x": 0, "y": 0, "width": 1024, "height": 768,
               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.string()).c_str(), 1);
    return config;
}

QApplication& qtApp() {
    static QApplication* app = [] {
        std::filesystem::path screenFile = useStationScreen();
        qInstallMessageHandler(quietHandler);
        static int argc = 1;
        static char name[] = "qt_tests";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        std::error_code ec;
        if (!screenFile.empty()) std::filesystem::remove(screenFile, ec);
        qt::applyLook(*a);
        return a;
    }();
    return *app;
}

QtSession::QtSession() {
    qtApp();
    ui::forms().clear();
    ui::resetProgramState();
    ui::screen().reset();
    host_ = std::make_unique<qt::QtHost>();
    ui::setHost(host_.get());
}

QtSession::~QtSession() {
    ui::forms().clear();
    ui::resetProgramState();
    host_.reset();
    ui::setHost(nullptr);
    settle();
}

void QtSession::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QImage QtSession::screenshot(QWidget* widget, const std::string& name) {
    QImage image = widget->grab().toImage();
    std::filesystem::path folder = std::filesystem::path(PELK_TEST_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(folder);
    image.save(QString::fromStdString((folder / (name + ".png")).string()));
    return image;
}

// Generous: on a loaded machine a dialog can take well over a second to come up, and closing it
// from here while the answer is still on its way would pull the window from under the test.
constexpr int kModalPatience = 10000;

void QtSession::whenModal(std::function<void(QWidget*)> answer) {
    auto timer = new QTimer();
    auto clock = std::make_shared<QElapsedTimer>();
    auto done = std::make_shared<bool>(false);
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, done, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
            *done = QApplication::activeModalWidget() != modal;
            return;
        }
        if (clock->elapsed() > kModalPatience) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "nothing was shown waiting";
        }
    });
    timer->start();
    // A dialog left open must not hang the test program.
    QTimer::singleShot(kModalPatience + 2000, qApp, [done] {
        if (*done) return;
        QWidget* open = QApplication::activeModalWidget();
        if (!open) return;
        ADD_FAILURE() << "a window shown waiting was left open";
        if (auto* d = qobject_cast<QDialog*>(open))
            d->reject();
        else
            open->close();
    });
}

void QtSession::touchScreen(QPoint global) {
    QWindow* window = QGuiApplication::topLevelAt(global);
    if (!window) {
        ADD_FAILURE() << "no window at " << global.x() << ", " << global.y();
        return;
    }
    QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(global));
}

QPoint QtSession::centreOnScreen(const QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }

int countColour(const QImage& image, const QColor& colour, int tolerance) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++n;
        }
    return n;
}

}  // namespace pelk::test
