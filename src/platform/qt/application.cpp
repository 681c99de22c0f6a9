#include "platform/qt/application.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <iostream>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/print/printers.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/window_frame.h"
#include "platform/ui/host.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"

namespace pelk::qt {

namespace {

bool set(const char* variable) {
    const char* v = std::getenv(variable);
    return v && *v;
}

// "the program's start-up is not yet available" as a sentence of its own.
std::string sentence(std::string what) {
    if (what.empty()) return "The program could not start.";
    if (what[0] >= 'a' && what[0] <= 'z') what[0] = static_cast<char>(what[0] - 'a' + 'A');
    if (what.back() != '.' && what.back() != '!' && what.back() != '?') what += '.';
    return what;
}

}  // namespace

bool displayAvailable(int argc, char** argv) {
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0) return true;
    return false;
}

namespace {
std::function<void()>& lookToGive() {
    static std::function<void()> give;
    return give;
}
}  // namespace

void deferLook(std::function<void()> give) { lookToGive() = std::move(give); }

void lookReady() {
    if (auto give = std::exchange(lookToGive(), nullptr)) give();
}

void applyLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create("Fusion")) app.setStyle(fusion);
    QPalette pal = app.style()->standardPalette();
    pal.setColor(QPalette::Window, systemColor(15));
    pal.setColor(QPalette::Button, systemColor(15));
    pal.setColor(QPalette::Base, systemColor(5));
    pal.setColor(QPalette::WindowText, systemColor(18));
    pal.setColor(QPalette::ButtonText, systemColor(18));
    pal.setColor(QPalette::Text, systemColor(8));
    pal.setColor(QPalette::Highlight, systemColor(13));
    pal.setColor(QPalette::HighlightedText, systemColor(14));
    pal.setColor(QPalette::ToolTipBase, systemColor(24));
    pal.setColor(QPalette::ToolTipText, systemColor(23));
    // Disabled text in the classic grey (the face's shadow), so that a control or menu switched off
    // plainly looks it.
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(QPalette::Disabled, role, systemColor(17));
    pal.setColor(QPalette::Disabled, QPalette::Light, systemColor(20));
    app.setPalette(pal);
    app.setFont(toQFont(ui::Font{"MS Sans Serif", 9}));
    app.setWindowIcon(programIcon());
}

struct EarlyStart::Part {
    std::function<void()> job;
    std::thread thread;
    std::exception_ptr failed;
    bool done = false;

    explicit Part(std::function<void()> j) : job(std::move(j)) {
        try {
            thread = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: the work is done when it is waited for.
        }
    }
    void run() {
        try {
            job();
        } catch (...) {
            failed = std::current_exception();
        }
    }
    void wait() {
        if (done) return;
        done = true;
        if (thread.joinable())
            thread.join();
        else
            run();
        if (failed) std::rethrow_exception(std::exchange(failed, nullptr));
    }
    ~Part() {
        if (thread.joinable()) thread.join();
    }
};

EarlyStart::EarlyStart(const ui::Program& program) {
    // The configuration of some fifty files is read once; Qt finds it read.
    fonts_ = std::make_unique<Part>([] { FcInit(); });
    if (program.early) work_ = std::make_unique<Part>(program.early);
}

EarlyStart::~EarlyStart() = default;

void EarlyStart::fontsReady() {
    if (fonts_) fonts_->wait();
}

void EarlyStart::programReady() {
    if (work_) work_->wait();
}

int runProgram(const ui::Program& program, EarlyStart* early) {
    std::string failure;
    {
        QtHost host;
        ui::setHost(&host);
        struct Uninstall {
            ~Uninstall() {
                ui::forms().unloadAllSilently();
                ui::forms().collect();
                ui::setHost(nullptr);
            }
        } uninstall;
        try {
            if (program.registerForms) program.registerForms();
            if (!program.startUp) throw std::runtime_error("the program's start-up is not yet available");
            if (early) early->programReady();
            ui::markProgramStarted();
            ui::runEvent([&] { program.startUp(); });
        } catch (const std::exception& e) {
            failure = e.what();
        }
        if (failure.empty()) {
            lookReady();
            host.sync();
            QEventLoop loop;
            host.onEnd([&loop] { loop.quit(); });
            if (!host.ended() && !ui::programEnded()) loop.exec();
        }
    }
    if (!failure.empty()) {
        // Told once the host has gone, so nothing of the program's (its end) closes the box.
        showMessageBox(nullptr, ui::MessageBoxRequest{sentence(failure), ui::kOKOnly, std::string(ui::kProgramTitle)});
        return 1;
    }
    // A printout sent just before the end still reaches its printer.
    print::waitForJobs(std::chrono::seconds(5));
    return 0;
}

int run(int& argc, char** argv, const ui::Program& program) {
    if (!displayAvailable(argc, argv)) {
        std::cerr << "pelkpos: there is no display ($DISPLAY and $WAYLAND_DISPLAY are empty); scripts/run serves "
                     "the screen over VNC, or set QT_QPA_PLATFORM.\n";
        return 1;
    }
    EarlyStart early(program);
    QApplication app(argc, argv);
    QApplication::setApplicationName("pelkpos");
    deferLook([&] {
        early.fontsReady();
        applyLook(app);
    });
    int ran = runProgram(program, &early);
    deferLook(nullptr);
    return ran;
}

}  // namespace pelk::qt
