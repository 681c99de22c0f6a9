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

StoresMade makeStores() {
    db::Catalogue& catalogue = db::Catalogue::instance();
    if (catalogue.stores().empty() && ui::program().declareStores) ui::program().declareStores();
    StoresMade made;
    made.failures = catalogue.ensureStores(os::kProgramFolder, &made.madeAnew);
    // A station's first start makes every store; only on a station already in use does a store
    // made anew mean that what it held is gone.
    if (!os::setupDone()) made.madeAnew.clear();
    return made;
}

void tellStoreFailures(const std::vector<db::Error>& failures) {
    std::string told;
    for (const db::Error& e : failures) told += "\n" + e.message();
    if (!told.empty()) ui::MsgBox("These data files cannot be made:" + told, ui::kCritical);
}

// A folio or a guest lost without a word would be found only when a guest asks for it: the clerk
// hears at once, while a backup can still bring it back.
void tellStoresMadeAnew(const std::vector<std::string>& fileNames) {
    if (fileNames.empty()) return;
    std::string names;
    for (std::size_t k = 0; k < fileNames.size(); ++k)
        names += (k == 0 ? "" : k + 1 == fileNames.size() ? " and " : ", ") + fileNames[k];
    bool one = fileNames.size() == 1;
    ui::MsgBox(std::string(one ? "The data file " : "The data files ") + names +
                   (one ? " was not found (or was empty) and has been made anew, empty. If it held this station's "
                          "data, restore it from a backup."
                        : " were not found (or were empty) and have been made anew, empty. If they held this "
                          "station's data, restore them from a backup."),
               ui::kExclamation);
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
        ui::forms().byName("frmRegister").Show(ui::kModal);
        // The log-in read its employees before the wizard added the first ones.
        if (frmPassword* login = ui::forms().find<frmPassword>(); login && login->datInfor.isOpen())
            if (db::Status read = login->datInfor.Refresh(); !read) login->datInfor.report(read.error());
    }
}

}  // namespace pelk::shell
