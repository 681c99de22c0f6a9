#pragma once

#include <filesystem>
#include <string>

#include "platform/core/datetime.h"

// The stations money_bench drives: a year of a hotel's front desk at 1x, made straight through
// SQLite into stores the program's catalogue laid out, and kept in a cache folder between runs.
namespace pelk::bench {

// The four stations of a scale, each a root folder of its own.
enum class Site { Hotel, Motel, Motel5, Guests };
const char* siteFolder(Site site);

// What a scale holds. At 1x: a 301-room hotel with 365 days of stays (14,600), 30,000 folios of
// ten lines on average, one open folio of 200 lines, 100,000 stays checked out and 10,000
// expenses; a 40-room motel with one-night stays, a year (14,600) and five years (73,000); and
// 50,000 customers and 50,000 reservations for the searches. A scale multiplies the days, so a
// station at 10x has ten years of the same business.
struct Plan {
    static constexpr int kHotelRooms = 301;
    static constexpr int kMotelRooms = 40;
    static constexpr int kOpenFolioLines = 200;
    // The room whose guest leaves today with the long folio: the first place of the first floor.
    static constexpr const char* kLongStayRoom = "101";
    static constexpr const char* kLongStayGuest = "Quennell";
    // The surname a name search goes through, and the first name of the one it lands on: the
    // middle of the Smiths, in the order the screen visits them.
    static constexpr const char* kCommonSurname = "Smith";
    static constexpr const char* kSoughtFirstName = "Marguerite";
    // The clerk who signs in, and the clerk whose sales the report lists.
    static constexpr const char* kSignInCode = "3333";
    static constexpr const char* kSalesClerk = "1007";

    double scale = 1;
    core::Date today;
    int days = 0;        // of the hotel's history, ending today
    int motel5Days = 0;  // of the motel's five years
    int hotelStays = 0, folios = 0, checkedOut = 0, expenses = 0, guests = 0;
    // The folios an export lists: 10,000 at 1x.
    int exportRows = 0;
};

Plan planFor(double scale);
// "0.1x", "1x", "10x".
std::string scaleName(double scale);

// A stamp of the fixtures' maker and of the program's store layouts: a cache made by another
// maker, or for other layouts, is made again.
std::string fixtureStamp();

// The fixtures of the plan in `folder` (`folder`/hotel, …), made when they are missing or stale.
// `installProgram` must have run. Their sizes, one line, go to `sizes`; false with `error` set
// when they could not be made.
bool ensureFixtures(const std::filesystem::path& folder, const Plan& plan, std::string* sizes, std::string* error);

// Declares the program's stores and makes what a station lacks (tables, indexes) at `root`.
bool prepareStores(const std::filesystem::path& root, std::string* error);

}  // namespace pelk::bench
