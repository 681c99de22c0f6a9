// The staff screens where a road cannot reach: installed printers for the clock ticket, picture
// files for the photo, and a renewal whose template is gone.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/input.h"
#include "settings/frmSetPtr.h"
#include "shell/frmEmploye.h"
#include "shell/frmRepTSht.h"
#include "shell/frmTimer.h"
#include "support/screens.h"

namespace pelk::shell {
namespace {

class StaffScreens : public test::ScreenTest {
protected:
    void run(const std::string& file, const std::string& sql) {
        auto store = db::Database::open(os::programPath(file));
        ASSERT_TRUE(store) << store.error().message();
        auto done = store->execute(sql);
        ASSERT_TRUE(done) << done.error().message();
    }
    long count(const std::string& file, const std::string& table) {
        auto store = db::Database::open(os::programPath(file));
        auto rows = store->openRecordset(table);
        return rows ? rows->recordCount() : -1;
    }
    // Clocks an employee in on a freshly loaded time clock.
    void clockIn(const std::string& id) {
        frmTimer& clock = ui::forms().get<frmTimer>();
        clock.Show();
        ASSERT_TRUE(ui::input::click(clock.cmdTimeIn));
        ASSERT_TRUE(ui::input::type(clock.txtPassword, id));
        ui::Unload<frmTimer>();
    }
};

TEST_F(StaffScreens, ClockTicketGoesToThePrinterOnTheFrontPortOnly) {
    run("Infor.mdb", "INSERT INTO tbEmplo (szID_no, sFirst_nm) VALUES ('1234', 'Ann')");
    ASSERT_TRUE(os::makeFolder("C:\\ports"));
    print::setConfiguredPrinters({{"Kitchen", "LPT2:", "C:\\ports\\LPT2"},
                                  {"Receipt", "LPT1:", "C:\\ports\\LPT1"},
                                  {"Bar", "LPT1:", "C:\\ports\\BAR"}});
    struct Case {
        const char* port;
        const char* printer;  // "" the machine's default printer
    };
    // "Network" and "None" name no installed printer's port, so the current printer stays.
    for (const Case& c : {Case{"LPT1:", "Receipt"}, Case{"LPT2:", "Kitchen"}, Case{"Network", ""}, Case{"None", ""}}) {
        print::setCurrentPrinter(std::nullopt);
        ui::Unload<settings::frmSetPtr>();
        run("DOZA98.mdb", std::string("UPDATE tbSet SET Port = '") + c.port + "'");
        std::size_t before = print::journal().documents.size();
        clockIn("1234");
        ASSERT_EQ(print::journal().documents.size(), before + 1) << c.port;
        const print::PrintedDocument& ticket = print::journal().documents.back();
        EXPECT_EQ(ticket.printer, c.printer) << c.port;
        ASSERT_EQ(ticket.lines.size(), 1u);
        EXPECT_EQ(ticket.lines[0].text, "Ann Check In At 9:00:00 AM");
        EXPECT_EQ(ticket.lines[0].fontSize, 9);
    }
    for (const std::string& p : prompts()) ADD_FAILURE() << p;
}

TEST_F(StaffScreens, ClockTicketThatCannotBePrintedIsTold) {
    run("Infor.mdb", "INSERT INTO tbEmplo (szID_no, sFirst_nm) VALUES ('1234', 'Ann')");
    run("DOZA98.mdb", "UPDATE tbSet SET Port = 'COM1:'");
    print::setConfiguredPrinters({{"Pole", "COM1:"}});
    clockIn("1234");
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0],
              "The clock ticket was not printed. The printer Pole has neither a device nor a print queue.");
    // The card counts all the same: the clerk can see it on the time sheets.
    EXPECT_EQ(count("Tcd.mdb", "tblTcd"), 1);
}

TEST_F(StaffScreens, PhotoFollowsThePathOfEachRow) {
    ASSERT_TRUE(os::makeFolder(os::programPath("Staff")));
    ASSERT_TRUE(
        os::writeRaw(os::programPath("Staff\\ann.gif"), std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 13)));
    ASSERT_TRUE(os::writeRaw(os::programPath("Staff\\notes.gif"), "not a picture"));
    run("Infor.mdb",
        "INSERT INTO tbEmplo (szID_no, sFirst_nm, szPics) VALUES ('1000', 'Ann', 'C:\\Program Files\\Pelk POS "
        "4\\Staff\\ann.gif')");
    run("Infor.mdb",
        "INSERT INTO tbEmplo (szID_no, sFirst_nm, szPics) VALUES ('2000', 'Bob', 'C:\\Program Files\\Pelk POS "
        "4\\Staff\\notes.gif')");
    run("Infor.mdb", "INSERT INTO tbEmplo (szID_no, sFirst_nm, szPics) VALUES ('3000', 'Cy', 'C:\\nowhere.gif')");

    frmEmploye& staff = ui::forms().get<frmEmploye>();
    staff.Show();
    EXPECT_EQ(staff.PicBox.picture().path(), "C:\\Program Files\\Pelk POS 4\\Staff\\ann.gif");
    // A file that is no picture, and a missing one, leave the photo empty without a word.
    for (int row : {2, 3}) {
        ASSERT_TRUE(ui::input::select(staff.datInfor, ui::Data::kNavigateNext));
        EXPECT_TRUE(staff.PicBox.picture().empty()) << "row " << row;
    }
    // Nor is a changed path an edit.
    ASSERT_TRUE(ui::input::type(staff.txtPath, "x"));
    EXPECT_FALSE(staff.cmdSave.enabled());
    EXPECT_TRUE(prompts().empty());
}

TEST_F(StaffScreens, EraseOnNoRowIsToldAndErasesNothing) {
    frmEmploye& staff = ui::forms().get<frmEmploye>();
    staff.Show();
    host().answer(ui::MsgBoxResult::Yes);
    ASSERT_TRUE(ui::input::click(staff.cmdErase));
    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts()[0], "Do you wish to Erase the current Empolyees");
    EXPECT_EQ(prompts()[1].rfind("Error #: ", 0), 0u) << prompts()[1];
    EXPECT_EQ(host().beeps(), 1);
    EXPECT_EQ(count("Infor.mdb", "tbEmplo"), 0);
}

TEST_F(StaffScreens, RenewalWithoutItsTemplateKeepsTheCardsAndTellsTheClerk) {
    run("Tcd.mdb", "INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szTHrs) VALUES ('1234', 'Ann', #1/5/2026#, 60)");
    ASSERT_TRUE(os::deleteFile(os::programPath("VyTcd.mdb")));
    frmRepTSht& sheets = ui::forms().get<frmRepTSht>();
    sheets.Show();
    host().answer(ui::MsgBoxResult::Yes);
    ASSERT_TRUE(ui::input::click(sheets.imgRenew));
    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts()[0], "Files Will Be Deleted.");
    EXPECT_NE(prompts()[1].find("Tcd.mdb was not renewed"), std::string::npos) << prompts()[1];
    EXPECT_EQ(count("Tcd.mdb", "tblTcd"), 1);
    EXPECT_TRUE(ui::forms().isLoaded<frmRepTSht>());
}

}  // namespace
}  // namespace pelk::shell
