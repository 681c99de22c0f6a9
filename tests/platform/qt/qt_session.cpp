#include "qt_session.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <memory>

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

QApplication& qtApp() {
    static QApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(quietHandler);
        static int argc = 1;
        static char name[] = "qt_tests";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
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
        if (clock->elapsed() > 1000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "nothing was shown waiting";
        }
    });
    timer->start();
    // A dialog left open must not hang the test program.
    QTimer::singleShot(1500, qApp, [done] {
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
