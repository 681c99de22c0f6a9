// frmSetRooms where a road cannot show it: a column narrower than a typed name, a row gone while
// its floor was shown, and the room table of a station that shares its data.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "settings/frmNWSetin.h"
#include "settings/frmSetRooms.h"
#include "settings/stores.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class RoomsByFloor : public test::ScreenTest {
protected:
    static void run(const std::string& store, const std::string& sql) {
        auto db = db::Database::open(store);
        ASSERT_TRUE(db.ok()) << db.error().message();
        auto done = db->execute(sql);
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    static std::string name(const std::string& store, int position, const char* column) {
        auto db = db::Database::open(store);
        auto rs = db->openRecordset("SELECT * FROM tblRooms WHERE ID1 = '" + std::to_string(position) + "'");
        if (!rs.ok() || rs->eof()) return "(no row)";
        return rs->field(column)->toText();
    }
    static std::string station() { return os::programPath(kStationStore); }
    frmSetRooms& rooms() { return ui::forms().get<frmSetRooms>(); }
    void click(ui::Control& c) { ASSERT_TRUE(ui::input::click(c)) << c.path(); }
};

TEST_F(RoomsByFloor, ANameTheColumnCannotHoldIsRefusedWithAMessageAndTheOthersAreSaved) {
    // An older store whose room names hold ten characters.
    run(station(), "DROP TABLE tblRooms");
    run(station(),
        "CREATE TABLE tblRooms (ID1 TEXT(5), R1 TEXT(10), R2 TEXT(10), R3 TEXT(10), R4 TEXT(10), R5 TEXT(10), "
        "R6 TEXT(10), R7 TEXT(10))");
    for (int i = 1; i <= kRoomPositions; ++i)
        run(station(),
            "INSERT INTO tblRooms (ID1, R1) VALUES ('" + std::to_string(i) + "', 'Old " + std::to_string(i) + "')");

    rooms().Show();
    click(rooms().cmdRoomA);
    rooms().txtTable(3).setText("Garden Suite 3");
    rooms().txtTable(4).setText("Room 4");
    rooms().txtTable(9).setText("Lake View 9");
    click(rooms().cmdRoomB);

    EXPECT_EQ(prompts(), std::vector<std::string>{"A room name holds at most 10 characters. These positions keep "
                                                  "their old names: 3, 9."});
    EXPECT_EQ(name(station(), 3, "R1"), "Old 3");
    EXPECT_EQ(name(station(), 9, "R1"), "Old 9");
    EXPECT_EQ(name(station(), 4, "R1"), "Room 4");
    EXPECT_EQ(rooms().tag(), "RoomB");

    // Back to the floor: the old names show, and a save of unchanged boxes says nothing.
    click(rooms().cmdRoomA);
    EXPECT_EQ(rooms().txtTable(3).text(), "Old 3");
    click(rooms().cmdRoomA);
    EXPECT_EQ(prompts().size(), 1u);
}

TEST_F(RoomsByFloor, ARowGoneWhileItsFloorWasShownIsToldAndNoRowIsAdded) {
    run(station(), "UPDATE tblRooms SET R3 = 'C10' WHERE ID1 = '10'");
    rooms().Show();
    click(rooms().cmdRoomC);
    ASSERT_EQ(rooms().txtTable(10).text(), "C10");
    rooms().txtTable(10).setText("C10 renamed");
    rooms().txtTable(11).setText("C11");
    // Another station removes the row meanwhile.
    run(station(), "DELETE FROM tblRooms WHERE ID1 = '10'");
    click(rooms().cmdClose);

    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0],
              "The room names of these positions could not be saved and keep their old names: 10. Position 10 is no "
              "longer in tblRooms.");
    EXPECT_EQ(name(station(), 11, "R3"), "C11");
    EXPECT_EQ(name(station(), 10, "R3"), "(no row)");
    EXPECT_FALSE(ui::forms().isLoaded<frmSetRooms>());
}

TEST_F(RoomsByFloor, ASharingStationNamesTheServersRoomsAndKeepsItsOwnFlags) {
    const std::string server = "\\\\SRV\\Data\\DOZA98.mdb";
    ASSERT_TRUE(db::ensureStore(server, stationStore()).ok());
    run(server, "UPDATE tblRooms SET R1 = 'Srv 1' WHERE ID1 = '1'");
    run(os::programPath(kMenuStore), "UPDATE tbSetInfor SET szRA = True");
    frmNWSetin& location = ui::forms().get<frmNWSetin>();
    location.txtNWsetin.setText("File Sharing");
    location.txtPath.setText("\\\\SRV\\");
    location.txtData.setText("Data\\");

    rooms().Show();
    EXPECT_EQ(rooms().datRoom.databaseName(), server);
    EXPECT_EQ(rooms().datPritOut.databaseName(), os::programPath(kMenuStore));
    EXPECT_EQ(rooms().chkRA.caption(), "Disable");
    click(rooms().cmdRoomA);
    EXPECT_EQ(rooms().txtTable(1).text(), "Srv 1");
    rooms().txtTable(2).setText("Srv 2");
    click(rooms().cmdClose);

    EXPECT_EQ(name(server, 2, "R1"), "Srv 2");
    EXPECT_EQ(name(station(), 2, "R1"), "");
    EXPECT_TRUE(prompts().empty());
}

}  // namespace
}  // namespace pelk::settings
