// The peak memory of one export through its screen: a list of many rows copied into a workbook
// and written. Run by hand, never by CTest:
//     build-…/tests/export_memory [rows] [reservations|sales]
// (100000 reservations unless told). The rows are laid by a child process, so the peak reported
// is the screen's and the export's alone; it prints the peak before and after the export and the
// rows the written sheet holds.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "folio/stores.h"
#include "platform/db/catalogue.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/sheet/sheet.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"
#include "platform/ui/scripted_host.h"
#include "reports/frmRepDy.h"
#include "reservations/frmReserv.h"
#include "reservations/records.h"
#include "support/sheet_read_back.h"
#include "support/temp_root.h"

namespace {

using namespace pelk;

long peakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

bool lay(const std::string& store, int rows, bool reservations) {
    db::UnitOfWork work;
    if (!work.begin({os::programPath(store)}).ok()) return false;
    auto d = work.store(os::programPath(store));
    if (!d.ok()) return false;
    for (int n = 1; n <= rows; ++n) {
        const std::string k = std::to_string(n);
        std::string sql =
            reservations
                ? "INSERT INTO tblReserv (szClerk_id, szDate_in, szDate_Out, sLast_na, sFirst_nm, szRoom1, "
                  "szRate_curr, szPaid_curr, sPhone_no, szCard_nu, szCard_exp, szStreet_ad, szCity_nm, sState_cd) "
                  "VALUES ('1234', #1/5/2026#, #1/7/2026#, 'Guest " +
                      k + "', 'First " + k + "', '" + std::to_string(100 + n % 400) +
                      "', '1,250.00', '100.00', '309-555-" + k + "', '41111111" + k + "', '1228', '" + k +
                      " Harbour Road, Apartment 4', 'Peoria', 'IL')"
                : "INSERT INTO tblZu_Order (Inv, ID, Method, [Date], [Time], Total, Receive) VALUES ('S" + k +
                      "', '1001', 'Zu', #1/5/2026#, #2:30:00 PM#, 12.5, " + std::to_string(n % 3) + ")";
        if (!d->execute(sql).ok()) return false;
    }
    return work.commit().ok();
}

struct Session {
    Session() {
        print::setPrintServer(std::make_shared<print::RecordingPrintServer>());
        print::setConfiguredPrinters({});
        print::setCurrentPrinter(std::nullopt);
        session = std::make_unique<ui::ScriptedSession>();
        installProgram();
        ui::program().registerForms();
        db::Catalogue::instance().clear();
        ui::program().declareStores();
        for (const db::Error& e : db::Catalogue::instance().ensureStores())
            std::fprintf(stderr, "%s\n", e.message().c_str());
    }
    ~Session() { ui::forms().unloadAllSilently(); }
    std::unique_ptr<ui::ScriptedSession> session;
};

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const bool reservations = argc <= 2 || std::string(argv[2]) != "sales";
    test::TempRoot root;
    sheet::setDesktopOpener(nullptr);
    { Session stores; }

    pid_t child = fork();
    if (child == 0) {
        Session s;
        _exit(lay(reservations ? std::string(reservations::kReservationStore) : std::string(folio::kOrderBook), rows,
                  reservations)
                  ? 0
                  : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the rows could not be laid\n");
        return 1;
    }

    Session s;
    ui::CommandButton* button = nullptr;
    if (reservations) {
        auto& list = ui::forms().get<reservations::frmReserv>();
        list.Show();
        button = &list.cmdExcel;
    } else {
        auto& sales = ui::forms().get<reports::frmRepDy>();
        sales.Show();
        ui::input::click(sales.cmdTotal);
        button = &sales.cmdExcel;
    }
    const long before = peakKiB();
    const auto start = std::chrono::steady_clock::now();
    ui::input::click(*button);
    const auto took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long after = peakKiB();
    auto excel = sheet::Application::running();
    if (!excel) {
        std::fprintf(stderr, "no workbook was written\n");
        return 1;
    }
    test::ReadBack book(excel->ActiveWorkbook().path());
    std::printf("%d %s rows: peak %.1f MiB before the export, %.1f MiB after; %.2f s; the sheet's last row %d\n", rows,
                reservations ? "reservation" : "sales", before / 1024.0, after / 1024.0, took, book.lastRow());
    return book.lastRow() == rows + 1 ? 0 : 1;
}
