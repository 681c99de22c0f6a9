#pragma once

// What the two halves of the stations' program share: the station's side (station_program.cpp)
// and the case's side (stations.cpp).
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "folio/stores.h"
#include "platform/card/card.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/db/catalogue.h"
#include "platform/db/database.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"
#include "platform/ui/scripted_host.h"
#include "settings/common.h"
#include "shell/stores.h"

namespace pelk::test::stations {

namespace fs = std::filesystem;
using core::Money;

// ---- What the stations and the cases agree on ----

constexpr const char* kRoleVariable = "PELK_FOLIO_STATION";
constexpr const char* kRootVariable = "PELK_FOLIO_STATION_ROOT";
constexpr const char* kNameVariable = "PELK_FOLIO_STATION_NAME";
constexpr const char* kRoundsVariable = "PELK_FOLIO_STATION_ROUNDS";
constexpr const char* kArgumentVariable = "PELK_FOLIO_STATION_ARGUMENT";

constexpr const char* kRoom = "201";
constexpr const char* kFolio = "7";
constexpr const char* kTaxRate = "0.1";
constexpr const char* kCardFolder = "C:\\Program Files\\X-Charge\\LocalTran";
constexpr std::string_view kAmountFormat = "###,###,##0.00";

const std::string kRefusal =
    "This folio was changed at another station and has been loaded again. Please check it and enter your change "
    "again.";
const std::string kDeclined = "Fail: DECLINED";
const std::string kSettledOne = "A card payment approved before this station stopped has been put on its folio.";

// Long enough for the slowest station on a loaded machine; a station past it has hung.
constexpr auto kStationDeadline = std::chrono::minutes(10);

inline std::string money(Money m) { return core::format(m, kAmountFormat); }

inline Money moneyOf(const core::Value& v) { return v.isNull() ? Money{} : v.toMoney(); }

inline Money cents(std::int64_t n) { return Money::fromUnits(n * 100); }

inline std::string orderBookPath() { return settings::ResolveDataPath(folio::kOrderBook); }
inline std::string openFolioPath() { return settings::ResolveDataPath(shell::kOpenFolioStore); }

// ---- One station's program ----

// The program as a station starts it, on the shared root: its forms, its stores declared, a
// scripted clerk answering every box with its default button, and a print server that keeps the
// printouts instead of printing them. The parent of the case makes the stores first.
class Session {
public:
    Session(const fs::path& root, bool makeStores) {
        os::setRootFolder(root);
        print::setPrintServer(std::make_shared<print::RecordingPrintServer>());
        print::setConfiguredPrinters({});
        print::setCurrentPrinter(std::nullopt);
        print::resetJournal();
        card::setProcessorFactory(nullptr);
        session_ = std::make_unique<ui::ScriptedSession>();
        installProgram();
        ui::program().registerForms();
        db::Catalogue::instance().clear();
        ui::program().declareStores();
        if (makeStores)
            for (const db::Error& e : db::Catalogue::instance().ensureStores()) made_.push_back(e.message());
    }
    ~Session() {
        ui::forms().unloadAllSilently();
        session_.reset();
        db::Catalogue::instance().clear();
        db::setBusyTimeout(db::kDefaultBusyTimeoutMs);
        print::setCurrentPrinter(std::nullopt);
        print::setConfiguredPrinters({});
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ui::ScriptedHost& host() { return session_->host(); }
    const std::vector<std::string>& storesNotMade() const { return made_; }
    // The message boxes shown since the last call.
    std::vector<std::string> newPrompts() {
        std::vector<std::string> fresh;
        const auto& all = host().messageBoxes();
        for (; seen_ < all.size(); ++seen_) fresh.push_back(all[seen_].prompt);
        return fresh;
    }

private:
    std::unique_ptr<ui::ScriptedSession> session_;
    std::vector<std::string> made_;
    std::size_t seen_ = 0;
};

inline std::string joined(const std::vector<std::string>& prompts) {
    std::string all;
    for (const std::string& p : prompts) all += (all.empty() ? "\"" : ", \"") + p + "\"";
    return all;
}

}  // namespace pelk::test::stations
