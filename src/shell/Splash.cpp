#include "shell/Splash.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/db/catalogue.h"
#include "platform/db/database.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/ui/program.h"
#include "platform/ui/ui.h"
#include "settings/stores.h"
#include "shell/frmCopyright.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"
#include "shell/stores.h"

namespace pelk::shell {

std::vector<db::Error> makeStores() {
    db::Catalogue& catalogue = db::Catalogue::instance();
    if (catalogue.stores().empty() && ui::program().declareStores) ui::program().declareStores();
    return catalogue.ensureStores();
}

void tellStoreFailures(const std::vector<db::Error>& failures) {
    std::string told;
    for (const db::Error& e : failures) told += "\n" + e.message();
    if (!told.empty()) ui::MsgBox("These data files cannot be made:" + told, ui::kCritical);
}

namespace {
std::vector<db::Database>& logInStores() {
    static std::vector<db::Database> held;
    return held;
}
}  // namespace

void openLogInStores() {
    for (std::string_view store : {settings::kStationStore, kEmployeeStore, kOpenFolioStore}) {
        auto d = db::Database::open(os::programPath(store));
        if (!d) continue;
        // Their schema and the fields of their tables are read here as well, which the log-in's
        // data controls would otherwise wait for.
        if (const db::StoreDecl* decl = db::Catalogue::instance().find(store))
            for (const db::TableDecl& t : decl->tables) (void)d->fields(t.name);
        logInStores().push_back(std::move(*d));
    }
}

void releaseLogInStores() { logInStores().clear(); }

void Main() {
    frmCopyright& splash = ui::forms().get<frmCopyright>();
    splash.Show();
    splash.Refresh();
    // The log-in screen's load checks the data folder and may end the program (End) right here.
    ui::forms().get<frmPassword>().Show();
    ui::forms().get<frmMain>();
    ui::Unload<frmCopyright>();
    if (!os::setupDone()) {
        // Recorded before the wizard shows, so that a wizard left half way is not forced on the
        // station again at its next start.
        std::string error;
        if (!os::markSetupDone(&error))
            ui::MsgBox("The station's first start cannot be recorded: " + error, ui::kExclamation);
        // The set-up wizard stands in front of the log-in screen until its road has run out.
        if (ui::forms().isRegistered("frmRegister")) {
            ui::forms().byName("frmRegister").Show(ui::kModal);
            // The log-in read its employees before the wizard added the first ones.
            if (frmPassword* login = ui::forms().find<frmPassword>(); login && login->datInfor.isOpen())
                if (db::Status read = login->datInfor.Refresh(); !read) login->datInfor.report(read.error());
        }
    }
}

}  // namespace pelk::shell
