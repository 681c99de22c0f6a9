#include "support/screens.h"

#include "platform/db/catalogue.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"

namespace pelk::test {

ScreenTest::ScreenTest() : printServer_(std::make_shared<print::RecordingPrintServer>()) {
    print::setPrintServer(printServer_);
    print::setConfiguredPrinters({});
    print::setCurrentPrinter(std::nullopt);
    print::resetJournal();
    installProgram();
    ui::program().registerForms();
    db::Catalogue::instance().clear();
    ui::program().declareStores();
    for (const db::Error& e : db::Catalogue::instance().ensureStores()) ADD_FAILURE() << e.message();
}

ScreenTest::~ScreenTest() {
    ui::forms().unloadAllSilently();
    print::setCurrentPrinter(std::nullopt);
    print::setConfiguredPrinters({});
}

void ScreenTest::run(std::string_view file, const std::string& sql) {
    auto store = db::Database::open(os::programPath(file));
    ASSERT_TRUE(store) << store.error().message();
    auto done = store->execute(sql);
    ASSERT_TRUE(done) << sql << "\n" << done.error().message();
}

std::string ScreenTest::field(std::string_view file, const std::string& table, const std::string& where,
                              const char* name) {
    auto store = db::Database::open(os::programPath(file));
    if (!store) return "error " + store.error().message();
    auto rows = store->openRecordset("SELECT * FROM " + table + " WHERE " + where);
    if (!rows) return "error " + rows.error().message();
    if (rows->eof()) return "(none)";
    auto v = rows->field(name);
    if (!v) return "error " + v.error().message();
    return v->isNull() ? "(null)" : v->toText();
}

long ScreenTest::count(std::string_view file, const std::string& table, const std::string& where) {
    auto store = db::Database::open(os::programPath(file));
    if (!store) return -1;
    auto rows = store->openRecordset("SELECT * FROM " + table + " WHERE " + where);
    return rows ? rows->recordCount() : -1;
}

std::vector<std::string> ScreenTest::prompts() {
    std::vector<std::string> all;
    for (const ui::MessageBoxRecord& m : session_.host().messageBoxes()) all.push_back(m.prompt);
    return all;
}

}  // namespace pelk::test
