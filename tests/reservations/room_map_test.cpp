// The room map's colours: each room by its stays for the map's mode and dates, over small
// fixtures; and the rule by which a stay collides with the one being booked.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/core/datetime.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "reservations/rooms.h"
#include "support/screens.h"

namespace pelk::reservations {
namespace {

core::Date day(int year, int month, int d) { return core::Date{year, month, d}; }

TEST(StaysCollide, TheMapsTestsAndAnyOverlap) {
    struct Case {
        core::Date in, out, chosenIn, chosenOut;
        bool collides;
    };
    for (const Case& c : {
             // The chosen departure falls into the stay; the stay lies within the chosen one.
             Case{day(2026, 3, 5), day(2026, 3, 9), day(2026, 3, 3), day(2026, 3, 7), true},
             Case{day(2026, 3, 5), day(2026, 3, 7), day(2026, 3, 3), day(2026, 3, 10), true},
             Case{day(2026, 3, 1), day(2026, 3, 5), day(2026, 3, 10), day(2026, 3, 12), false},
             // A stay that leaves on the chosen arrival does not collide; one from another month
             // that leaves on it does, as the map's tests count equal days.
             Case{day(2026, 3, 1), day(2026, 3, 3), day(2026, 3, 3), day(2026, 3, 5), false},
             Case{day(2026, 2, 25), day(2026, 3, 3), day(2026, 3, 3), day(2026, 3, 5), true},
             // A stay spanning the chosen one across months.
             Case{day(2026, 1, 20), day(2026, 3, 20), day(2026, 2, 1), day(2026, 2, 5), true},
             Case{day(2026, 1, 2), day(2026, 3, 20), day(2026, 2, 1), day(2026, 2, 5), true},
             // Across the turn of the year.
             Case{day(2026, 12, 28), day(2027, 1, 3), day(2026, 12, 30), day(2026, 12, 31), true},
             Case{day(2026, 12, 28), day(2027, 1, 3), day(2027, 1, 2), day(2027, 1, 4), true},
             Case{day(2026, 12, 28), day(2027, 1, 3), day(2027, 1, 3), day(2027, 1, 6), true},
             // The departure test reads a stay of a later month by its arrival day alone.
             Case{day(2026, 4, 1), day(2026, 4, 3), day(2026, 3, 3), day(2026, 3, 7), true},
             Case{day(2026, 4, 8), day(2026, 4, 10), day(2026, 3, 3), day(2026, 3, 7), false},
             // The chosen arrival inside a stay of one month; a stay wholly before or after.
             Case{day(2026, 4, 10), day(2026, 4, 20), day(2026, 4, 12), day(2026, 5, 2), true},
             Case{day(2026, 4, 10), day(2026, 4, 20), day(2026, 4, 20), day(2026, 4, 22), false},
             Case{day(2026, 4, 10), day(2026, 4, 20), day(2026, 4, 1), day(2026, 4, 10), false},
         }) {
        EXPECT_EQ(staysCollide({c.in, c.out}, c.chosenIn, c.chosenOut), c.collides)
            << core::shortDate(c.in) << "-" << core::shortDate(c.out) << " against " << core::shortDate(c.chosenIn)
            << "-" << core::shortDate(c.chosenOut);
    }
    // A stay without both dates collides with nothing.
    EXPECT_FALSE(staysCollide({std::nullopt, day(2026, 3, 9)}, day(2026, 3, 3), day(2026, 3, 7)));
    EXPECT_FALSE(staysCollide({day(2026, 3, 5), std::nullopt}, day(2026, 3, 3), day(2026, 3, 7)));
}

TEST(Rooms, AreMatchedWholeWithoutRegardToCase) {
    EXPECT_TRUE(sameRoom("12A", "12a"));
    EXPECT_FALSE(sameRoom("10", "105"));
    EXPECT_FALSE(sameRoom("10", "10 "));
    EXPECT_EQ(roomCriterion("szRoom1", "O'Hara"), "[szRoom1] = 'O''Hara'");
}

class RoomMap : public test::ScreenTest {
protected:
    static void room(int position, const char* floorColumn, const std::string& name) {
        run("DOZA98.mdb", std::string("UPDATE tblRooms SET ") + floorColumn + " = " + db::quote(name) +
                              " WHERE ID1 = '" + std::to_string(position) + "'");
    }
    frmMap& open(const char* mode, const char* in, const char* out) {
        frmMap& map = ui::forms().get<frmMap>();
        map.lblMode.setCaption(mode);
        map.txtDateIn.setText(in);
        map.txtDateOut.setText(out);
        map.Show();
        return map;
    }
};

// A stay as the fixture stores it: room, arrival, departure, last name, document number.
struct StayRow {
    const char* room;
    const char* in;
    const char* out;
    const char* last;
    const char* idNumber;
};

TEST_F(RoomMap, EachRoomIsColouredByItsStaysForTheMode) {
    struct Case {
        const char* what;
        const char* mode;
        const char* in;
        const char* out;
        const char* room;
        std::vector<StayRow> stays;
        ui::Color colour;
        const char* name;  // nullptr: the name button hidden
    };
    const ui::Color vacant = frmMap::kVacant, red = frmMap::kReserved, yellow = frmMap::kInHouse,
                    white = frmMap::kDueOut;
    const std::vector<Case> cases = {
        {"no stay", "ChkI", "3/5/2026", "", "101", {}, vacant, nullptr},
        {"no stay", "Reserv", "3/5/2026", "3/7/2026", "101", {}, vacant, nullptr},
        {"arrives today", "ChkI", "3/5/2026", "", "101", {{"101", "3/5/2026", "3/8/2026", "Doe", nullptr}}, red, "Doe"},
        {"arrives today, document recorded",
         "ChkI",
         "3/5/2026",
         "",
         "101",
         {{"101", "3/5/2026", "3/8/2026", "Doe", "D123"}},
         yellow,
         "Doe"},
        {"arrived yesterday",
         "ChkI",
         "3/5/2026",
         "",
         "101",
         {{"101", "3/4/2026", "3/8/2026", "Doe", "D123"}},
         vacant,
         nullptr},
        {"today, then a later stay",
         "ChkI",
         "3/5/2026",
         "",
         "101",
         {{"101", "3/5/2026", "3/8/2026", "Doe", nullptr}, {"101", "3/20/2026", "3/22/2026", "Roe", nullptr}},
         red,
         "Doe"},
        {"a later stay, then today",
         "ChkI",
         "3/5/2026",
         "",
         "101",
         {{"101", "3/20/2026", "3/22/2026", "Roe", nullptr}, {"101", "3/5/2026", "3/8/2026", "Doe", nullptr}},
         red,
         "Doe"},
        {"two arriving today: the second decides",
         "ChkI",
         "3/5/2026",
         "",
         "101",
         {{"101", "3/5/2026", "3/8/2026", "Doe", "D123"}, {"101", "3/5/2026", "3/6/2026", "Roe", nullptr}},
         red,
         "Roe"},
        {"leaves today", "ChkO", "", "3/8/2026", "101", {{"101", "3/5/2026", "3/8/2026", "Doe", "D123"}}, white, "Doe"},
        {"leaves tomorrow",
         "ChkO",
         "",
         "3/7/2026",
         "101",
         {{"101", "3/5/2026", "3/8/2026", "Doe", nullptr}},
         vacant,
         nullptr},
        {"room 105's stay is not room 10's",
         "ChkI",
         "3/5/2026",
         "",
         "10",
         {{"105", "3/5/2026", "3/8/2026", "Doe", nullptr}},
         vacant,
         nullptr},
        {"a room's letters in either case",
         "ChkI",
         "3/5/2026",
         "",
         "12A",
         {{"12a", "3/5/2026", "3/8/2026", "Doe", nullptr}},
         red,
         "Doe"},
        {"a quote in the room's name",
         "ChkI",
         "3/5/2026",
         "",
         "O'Hara",
         {{"O'Hara", "3/5/2026", "3/8/2026", "Doe", nullptr}},
         red,
         "Doe"},
        {"stay within the chosen one",
         "Reserv",
         "3/3/2026",
         "3/10/2026",
         "101",
         {{"101", "3/5/2026", "3/7/2026", "Doe", nullptr}},
         red,
         "Doe"},
        {"stay before the chosen one",
         "Reserv",
         "3/10/2026",
         "3/12/2026",
         "101",
         {{"101", "3/1/2026", "3/5/2026", "Doe", nullptr}},
         vacant,
         nullptr},
        {"stay spanning the chosen one",
         "Reserv",
         "2/1/2026",
         "2/5/2026",
         "101",
         {{"101", "1/20/2026", "3/20/2026", "Doe", "D123"}},
         yellow,
         "Doe"},
        {"stay spanning the chosen one, no document", "Reserv", "2/1/2026", "2/5/2026", "101",
         {{"101", "1/20/2026", "3/20/2026", "Doe", nullptr}}, red, "Doe"},
        {"arriving on the day the other leaves", "Reserv", "3/3/2026", "3/5/2026", "101",
         {{"101", "3/1/2026", "3/3/2026", "Doe", nullptr}}, vacant, nullptr},
        {"a stay from early January spanning the chosen one", "Reserv", "2/1/2026", "2/5/2026", "101",
         {{"101", "1/2/2026", "3/20/2026", "Doe", nullptr}}, red, "Doe"},
        {"a longer stay ending on the arrival day", "Reserv", "3/3/2026", "3/5/2026", "101",
         {{"101", "2/25/2026", "3/3/2026", "Doe", nullptr}}, red, "Doe"},
        {"across the turn of the year", "Reserv", "12/30/2026", "1/2/2027", "101",
         {{"101", "12/31/2026", "1/3/2027", "Doe", nullptr}}, red, "Doe"},
        {"no stay", "ChkO", "", "3/8/2026", "101", {}, vacant, nullptr},
        {"one colliding stay among others",
         "Reserv",
         "3/3/2026",
         "3/7/2026",
         "101",
         {{"101", "3/5/2026", "3/9/2026", "Doe", nullptr}, {"101", "2/1/2026", "2/3/2026", "Roe", "R9"}},
         red,
         "Doe"},
        {"one colliding stay among others, last",
         "Reserv",
         "3/3/2026",
         "3/7/2026",
         "101",
         {{"101", "2/1/2026", "2/3/2026", "Roe", nullptr}, {"101", "3/5/2026", "3/9/2026", "Doe", "D123"}},
         yellow,
         "Doe"},
        {"map dates that are no dates",
         "Reserv",
         "soon",
         "3/7/2026",
         "101",
         {{"101", "3/5/2026", "3/9/2026", "Doe", nullptr}},
         vacant,
         nullptr},
        {"a stay without a last name",
         "ChkI",
         "3/5/2026",
         "",
         "101",
         {{"101", "3/5/2026", "3/8/2026", nullptr, nullptr}},
         red,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + ": " + c.what);
        run("ZuReserv.mdb", "DELETE FROM tblReserv");
        room(1, "R1", c.room);
        auto quoted = [](const char* v) { return v ? "'" + std::string(v) + "'" : std::string("NULL"); };
        auto dated = [](const char* v) { return v ? "#" + std::string(v) + "#" : std::string("NULL"); };
        for (const StayRow& s : c.stays) {
            run("ZuReserv.mdb", "INSERT INTO tblReserv (szRoom1, szDate_in, szDate_Out, sLast_na, szID_nu) VALUES (" +
                                    db::quote(s.room) + ", " + dated(s.in) + ", " + dated(s.out) + ", " +
                                    quoted(s.last) + ", " + quoted(s.idNumber) + ")");
        }
        frmMap& map = open(c.mode, c.in, c.out);
        EXPECT_EQ(map.cmdRoom(1).caption(), c.room);
        EXPECT_TRUE(map.cmdRoom(1).visible());
        EXPECT_EQ(map.cmdRoom(1).backColor(), c.colour);
        EXPECT_EQ(map.cmdName(1).visible(), c.name != nullptr);
        if (c.name) {
            EXPECT_EQ(map.cmdName(1).caption(), c.name);
            EXPECT_EQ(map.cmdName(1).backColor(), c.colour);
        }
        map.Unload();
    }
    EXPECT_TRUE(prompts().empty());
}

// The map reads a floor's stays in one query: each room takes only its own stays, whole name and
// either case, however the names of a floor begin one another; the arrows read the floor again.
TEST_F(RoomMap, EachRoomOfAFloorTakesItsOwnStays) {
    const std::vector<std::string> rooms = {"10", "105", "1", "12A", "O'Hara", "101"};
    for (std::size_t k = 0; k < rooms.size(); ++k) room(static_cast<int>(k) + 1, "R1", rooms[k]);
    for (const char* stay :
         {"'105', #3/5/2026#, #3/8/2026#, 'Doe', NULL", "'10', #3/6/2026#, #3/7/2026#, 'Roe', 'R1'",
          "'12a', #3/5/2026 11:00:00 PM#, #3/6/2026#, 'Poe', NULL", "'O''Hara', #3/5/2026#, #3/6/2026#, 'Hay', 'H1'",
          "'1', #3/4/2026#, #3/5/2026#, 'Moe', NULL", "'2', #3/5/2026#, #3/6/2026#, 'Lee', NULL"})
        run("ZuReserv.mdb",
            std::string("INSERT INTO tblReserv (szRoom1, szDate_in, szDate_Out, sLast_na, szID_nu) VALUES (") + stay +
                ")");
    struct Shown {
        ui::Color colour;
        const char* name;  // nullptr: the name button hidden
    };
    const ui::Color vacant = frmMap::kVacant, red = frmMap::kReserved, yellow = frmMap::kInHouse,
                    white = frmMap::kDueOut;
    frmMap& map = open("ChkI", "3/5/2026", "3/5/2026");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&map.lblDIn, &map.txtDateIn, &map.cmdLess, &map.cmdMore})
        c->setVisible(true);
    auto expectFloor = [&](const std::vector<Shown>& expected) {
        for (std::size_t k = 0; k < expected.size(); ++k) {
            int i = static_cast<int>(k) + 1;
            SCOPED_TRACE(map.cmdRoom(i).caption());
            EXPECT_EQ(map.cmdRoom(i).caption(), rooms[k]);
            EXPECT_EQ(map.cmdRoom(i).backColor(), expected[k].colour);
            ASSERT_EQ(map.cmdName(i).visible(), expected[k].name != nullptr);
            if (expected[k].name) {
                EXPECT_EQ(map.cmdName(i).caption(), expected[k].name);
            }
        }
    };
    {
        SCOPED_TRACE("arriving 3/5/2026");
        expectFloor(
            {{vacant, nullptr}, {red, "Doe"}, {vacant, nullptr}, {red, "Poe"}, {yellow, "Hay"}, {vacant, nullptr}});
    }
    ASSERT_TRUE(ui::input::click(map.cmdMore));
    {
        SCOPED_TRACE("arriving 3/6/2026");
        expectFloor({{yellow, "Roe"},
                     {vacant, nullptr},
                     {vacant, nullptr},
                     {vacant, nullptr},
                     {vacant, nullptr},
                     {vacant, nullptr}});
    }
    map.lblMode.setCaption("ChkO");
    ASSERT_TRUE(ui::input::click(map.cmdFlrA));
    {
        SCOPED_TRACE("leaving 3/5/2026");
        expectFloor({{vacant, nullptr},
                     {vacant, nullptr},
                     {white, "Moe"},
                     {vacant, nullptr},
                     {vacant, nullptr},
                     {vacant, nullptr}});
    }
    EXPECT_TRUE(prompts().empty());
}

// The stays the map reads for a stay being booked hold every one the collision rule takes: over
// stays and chosen stays of three years, either way round, stored with a time of day or without.
TEST_F(RoomMap, TheStaysReadForABookingHoldEveryOneThatCollides) {
    std::vector<core::Date> days;
    for (int year : {2025, 2026, 2027})
        for (int month : {1, 3, 4, 12})
            for (int d : {2, 5, 20}) days.push_back(day(year, month, d));
    const std::string store = os::programPath("ZuReserv.mdb");
    {
        db::UnitOfWork work;
        ASSERT_TRUE(work.begin({store}));
        auto stays = work.store(store);
        ASSERT_TRUE(stays);
        for (std::size_t i = 0; i < days.size(); ++i)
            for (std::size_t j = 0; j < days.size(); ++j) {
                std::string in = core::shortDate(days[i]) + (j % 2 ? " 11:00:00 PM" : "");
                std::string out = core::shortDate(days[j]) + (i % 3 ? "" : " 6:00:00 AM");
                ASSERT_TRUE(stays->execute("INSERT INTO tblReserv (sLast_na, szDate_in, szDate_Out) VALUES ('" +
                                           std::to_string(i * days.size() + j) + "', #" + in + "#, #" + out + "#)"));
            }
        ASSERT_TRUE(work.commit());
    }
    auto stays = db::Database::open(store);
    ASSERT_TRUE(stays);
    auto taken = [&](const core::Date& c1, const core::Date& c2) {
        std::vector<char> read(days.size() * days.size(), 0);
        std::string where;
        for (const std::string& c : collidingStaysCriteria("szDate_in", "szDate_Out", c1, c2))
            where += (where.empty() ? "(" : " OR (") + c + ")";
        auto rows = stays->openRecordset("SELECT sLast_na FROM tblReserv WHERE " + where);
        EXPECT_TRUE(rows) << rows.error().message();
        if (!rows) return read;
        for (db::Status st = rows->MoveFirst(); st && !rows->eof(); st = rows->MoveNext())
            read[std::stoul(rows->field(0)->toText())] = 1;
        return read;
    };
    for (const core::Date& c1 : days)
        for (const core::Date& c2 : days) {
            std::vector<char> read = taken(c1, c2);
            for (std::size_t i = 0; i < days.size(); ++i)
                for (std::size_t j = 0; j < days.size(); ++j)
                    if (staysCollide({days[i], days[j]}, c1, c2)) {
                        EXPECT_TRUE(read[i * days.size() + j])
                            << core::shortDate(days[i]) << "-" << core::shortDate(days[j]) << " against "
                            << core::shortDate(c1) << "-" << core::shortDate(c2);
                    }
        }
    // A stay wholly within another year is left in the store.
    std::vector<char> read = taken(day(2026, 3, 5), day(2026, 3, 20));
    for (std::size_t i = 0; i < days.size(); ++i)
        for (std::size_t j = i; j < days.size(); ++j)
            if (days[i].year == days[j].year && days[i].year != 2026) {
                EXPECT_FALSE(read[i * days.size() + j]) << core::shortDate(days[i]) << "-" << core::shortDate(days[j]);
            }
}

TEST_F(RoomMap, APositionDrawnOnTheNextFloorForgetsTheStateOfTheFloorBefore) {
    room(1, "R1", "101");
    room(1, "R2", "201");
    run("ZuReserv.mdb",
        "INSERT INTO tblReserv (szRoom1, szDate_in, szDate_Out, sLast_na) VALUES ('101', #3/5/2026#, #3/8/2026#, "
        "'Doe')");
    frmMap& map = open("ChkI", "3/5/2026", "");
    ASSERT_EQ(map.cmdRoom(1).backColor(), frmMap::kReserved);
    ASSERT_TRUE(map.cmdName(1).visible());
    ASSERT_TRUE(ui::input::click(map.cmdFlrB));
    EXPECT_EQ(map.lblFlrs.caption(), "2nd Floors");
    EXPECT_EQ(map.cmdRoom(1).caption(), "201");
    EXPECT_EQ(map.cmdRoom(1).backColor(), frmMap::kVacant);
    EXPECT_FALSE(map.cmdName(1).visible());
}

}  // namespace
}  // namespace pelk::reservations
