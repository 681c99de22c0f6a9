#include "station.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include "platform/db/catalogue.h"
#include "platform/os/station.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_session.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"

namespace pelk::test {

namespace {

// Answers every box at once with its default button, and keeps what it said.
class AnsweringHost : public qt::QtHost {
public:
    ui::MsgBoxResult msgBox(const ui::MessageBoxRequest& box) override {
        prompts.push_back(box.prompt);
        return ui::defaultAnswer(box.style);
    }
    std::optional<std::string> inputBox(const ui::InputBoxRequest& box) override {
        prompts.push_back(box.prompt);
        return std::nullopt;
    }
    bool printerDialog(const ui::PrinterDialogRequest&) override { return false; }
    std::vector<std::string> prompts;
};

}  // namespace

struct Station::Impl {
    std::unique_ptr<AnsweringHost> host;
};

Station::Station() : impl_(new Impl) {
    qtApp();
    ui::forms().clear();
    ui::resetProgramState();
    ui::screen().reset();
    print::setPrintServer(std::make_shared<print::RecordingPrintServer>());
    print::setConfiguredPrinters({});
    print::setCurrentPrinter(std::nullopt);
    installProgram();
    ui::program().registerForms();
    db::Catalogue::instance().clear();
    ui::program().declareStores();
    for (const db::Error& e : db::Catalogue::instance().ensureStores()) ADD_FAILURE() << e.message();
    EXPECT_TRUE(os::markSetupDone());
    impl_->host = std::make_unique<AnsweringHost>();
    ui::setHost(impl_->host.get());
}

Station::~Station() {
    ui::forms().clear();
    ui::resetProgramState();
    impl_->host.reset();
    ui::setHost(nullptr);
    QtSession::settle();
    db::Catalogue::instance().clear();
    print::setCurrentPrinter(std::nullopt);
    delete impl_;
}

qt::QtHost& Station::host() { return *impl_->host; }

const std::vector<std::string>& Station::prompts() const { return impl_->host->prompts; }

void Station::logIn(const std::string& level) {
    ui::markProgramStarted();
    ui::runEvent([] { ui::program().startUp(); });
    QtSession::settle();
    auto* login = ui::forms().find<shell::frmPassword>();
    ASSERT_TRUE(login) << "the log-in screen is up";
    for (int digit : {7, 3, 9, 1}) {
        ui::runEvent([&] { ui::input::click(login->comNumber(digit)); });
        host().sync();
    }
    QtSession::settle();
    auto* main = ui::forms().find<shell::frmMain>();
    ASSERT_TRUE(main) << "the master code opens the main window";
    main->setTag(level);
}

ui::Form& Station::open(const std::string& name) {
    ui::Form* shown = nullptr;
    ui::runEvent([&] {
        shown = &ui::forms().byName(name);
        shown->Show();
    });
    host().sync();
    QtSession::settle();
    return *shown;
}

void Station::touch(const QPoint& global) {
    QWindow* window = QGuiApplication::topLevelAt(global);
    ASSERT_TRUE(window) << "a window lies under " << global.x() << ", " << global.y();
    QPoint local = window->mapFromGlobal(global);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, local);
    QtSession::settle();
    // The press may have closed the window it went to (a hub that opens another screen).
    QWindow* now = QGuiApplication::topLevelAt(global);
    if (!now) now = window;
    QTest::mouseRelease(now, Qt::LeftButton, Qt::NoModifier, now->mapFromGlobal(global));
    QtSession::settle();
}

QPoint Station::centreOf(const ui::Control& control) {
    QWidget* w = host().widgetOf(control);
    if (!w) return {};
    return w->mapToGlobal(w->rect().center());
}

std::string Station::screensFolder() { return PELK_SCREENS_DIR; }

}  // namespace pelk::test
