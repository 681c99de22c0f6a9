// The split-check screen: what it copies of the folio, the moves between the two checks and the
// recalculation of each check.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "folio/frmRooms.h"
#include "payment/frmSplit.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "support/screens.h"

namespace pelk::payment {
namespace {

using Lines = std::vector<std::string>;

class SplitCheck : public test::ScreenTest {
protected:
    static void rates(const std::string& country, const std::string& tax1, const std::string& tax2) {
        run("DOZA98.mdb", "UPDATE tbSet SET setL = '" + country + "', Tax1 = '" + tax1 + "', TaxFed1 = '" + tax2 + "'");
    }
    // The room screen with these folio lines and subtotal, its mode word as given.
    static folio::frmRooms& room(const Lines& lines, const std::string& subtotal, const std::string& mode = "Zu") {
        folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
        for (const std::string& l : lines) rooms.grdOrderItems.AddItem(l + "\tD");
        rooms.txtTotal.setText(subtotal);
        rooms.txtWaiter.setText("1234");
        rooms.lblID.setCaption("Ann");
        rooms.cmbRept.setText("77");
        rooms.setTag(mode);
        rooms.Show();
        return rooms;
    }
    static frmSplit& split() {
        frmSplit& s = ui::forms().get<frmSplit>();
        s.Show();
        return s;
    }
    static Lines lines(const ui::FlexGrid& g) {
        Lines all;
        for (int r = 2; r < g.rows(); ++r)
            all.push_back(g.textMatrix(r, 0) + "|" + g.textMatrix(r, 1) + "|" + g.textMatrix(r, 2));
        return all;
    }
};

TEST_F(SplitCheck, OpensWithTheFolioOnlyRightAfterAnItemWasTaken) {
    rates("USA", "0.1", "0");
    folio::frmRooms& rooms = room({"1\tSoup\t5", "+\tExtra rice\t1.00", "3\tRoom Charge 104\t240.00"}, "246.00");
    frmSplit& s = split();
    EXPECT_EQ(lines(s.grdOrderItems), (Lines{"1|Soup|5.00", "+|Extra rice|1.00", "3|Room Charge 104|240.00"}));
    EXPECT_EQ(s.grdOrderItems.textMatrix(2, 3), "") << "no station codes";
    EXPECT_EQ(s.txtSub.text(), "246.00");
    EXPECT_EQ(s.txtTax.text(), "24.60");
    EXPECT_EQ(s.txtTotal.text(), "270.60");
    for (ui::TextBox* b : {&s.txtSub2, &s.txtATax1, &s.txtATax2, &s.txtTotal2}) EXPECT_EQ(b->text(), "0.00");
    EXPECT_EQ(s.txtWaiter.text(), "1234");
    EXPECT_EQ(s.lblID.caption(), "Ann");
    EXPECT_EQ(s.txtChk.text(), "77");
    EXPECT_EQ(s.txtChk2.text(), "77");
    EXPECT_EQ(s.txtChkB.text(), "A");
    EXPECT_EQ(s.backColor(), 0x8000000Fu);
    EXPECT_EQ(rooms.grdOrderItems.row(), 4);
    EXPECT_EQ(rooms.grdOrderItems.col(), 2);
    EXPECT_EQ(s.grdOrderItems.colWidth(1), std::round(s.grdOrderItems.width() * 0.69));
    EXPECT_EQ(s.grdOrderItems2.colWidth(3), 0);
    s.Unload();
    rooms.Unload();
    ui::forms().collect();

    for (const char* mode : {"Qty", "", "Percent"}) {
        room({"1\tSoup\t5.00"}, "5.00", mode);
        frmSplit& empty = split();
        EXPECT_EQ(empty.grdOrderItems.rows(), 2) << mode;
        for (ui::TextBox* b : {&empty.txtSub, &empty.txtTax, &empty.txtTotal, &empty.txtSub2, &empty.txtTotal2})
            EXPECT_EQ(b->text(), "0.00") << mode;
        EXPECT_EQ(empty.txtChk.text(), "") << mode;
        EXPECT_EQ(empty.txtWaiter.text(), "") << mode;
        EXPECT_EQ(empty.lblID.caption(), "") << mode;
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
}

TEST_F(SplitCheck, MovesOneUnitOrTheWholeLine) {
    rates("USA", "0", "0");
    struct Case {
        const char* line;
        const char* subtotal;
        int row;
        Lines first, second;
        const char* sub1;
        const char* sub2;
    };
    for (const Case& c : {
             Case{"4\tSoda\t10.00", "10.00", 2, {"3|Soda|7.50"}, {"1|Soda|2.50"}, "7.50", "2.50"},
             Case{"1\tTea\t2.00", "2.00", 2, {}, {"1|Tea|2.00"}, "0.00", "2.00"},
             Case{"+\tExtra rice\t1.00", "1.00", 2, {}, {"+|Extra rice|1.00"}, "0.00", "1.00"},
             Case{"1/2\tRice\t3.00", "3.00", 2, {}, {"1/2|Rice|3.00"}, "0.00", "3.00"},
             Case{"3\tRoom Charge 104\t240.00",
                  "240.00",
                  2,
                  {"2|Room Charge 104|160.00"},
                  {"1|Room Charge 104|80.00"},
                  "160.00",
                  "80.00"},
             Case{"2\tWater\t0.00", "5.00", 2, {"1|Water|0.00"}, {"1|Water|0.00"}, "5.00", "0.00"},
             Case{"+\tNo onion\t", "5.00", 2, {}, {"+|No onion|"}, "5.00", "0.00"},
             Case{"3\tBread\t", "5.00", 2, {"2|Bread|"}, {"1|Bread|"}, "5.00", "0.00"},
             Case{"1\tTea\t2.00", "2.00", 0, {"1|Tea|2.00"}, {}, "2.00", "0.00"},
             Case{"1\tTea\t2.00", "2.00", 1, {"1|Tea|2.00"}, {}, "2.00", "0.00"},
         }) {
        room({c.line}, c.subtotal);
        frmSplit& s = split();
        ASSERT_TRUE(ui::input::select(s.grdOrderItems, c.row, 1)) << c.line;
        EXPECT_EQ(lines(s.grdOrderItems), c.first) << c.line;
        EXPECT_EQ(lines(s.grdOrderItems2), c.second) << c.line;
        EXPECT_EQ(s.txtSub.text(), c.sub1) << c.line;
        EXPECT_EQ(s.txtSub2.text(), c.sub2) << c.line;
        EXPECT_EQ(s.txtTotal.text(), c.sub1) << c.line;
        EXPECT_EQ(s.txtTotal2.text(), c.sub2) << c.line;
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
}

TEST_F(SplitCheck, LinesMovedBackGoToTheEndAndAreNeverMerged) {
    rates("USA", "0", "0");
    folio::frmRooms& rooms = room({"4\tSoda\t10.00", "1\tTea\t2.00"}, "12.00");
    frmSplit& s = split();
    ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
    EXPECT_EQ(lines(s.grdOrderItems), (Lines{"1|Tea|2.00", "3|Soda|7.50"}));
    ASSERT_TRUE(ui::input::select(s.grdOrderItems2, 2, 0));
    EXPECT_EQ(lines(s.grdOrderItems), (Lines{"1|Tea|2.00", "3|Soda|7.50", "1|Soda|2.50"}));
    EXPECT_TRUE(lines(s.grdOrderItems2).empty());
    EXPECT_EQ(s.txtSub.text(), "12.00");
    EXPECT_EQ(s.txtSub2.text(), "0.00");
    ASSERT_TRUE(ui::input::select(s.grdOrderItems2, 1, 0));
    ASSERT_TRUE(ui::input::select(s.grdOrderItems2, 0, 0));
    EXPECT_EQ(lines(s.grdOrderItems).size(), 3u);

    // Closing discards every split: the room screen's folio is as it was.
    ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
    ASSERT_TRUE(ui::input::click(s.cmdClose));
    EXPECT_FALSE(ui::forms().isLoaded<frmSplit>());
    std::vector<std::string> folio;
    for (int r = 2; r < rooms.grdOrderItems.rows(); ++r) folio.push_back(rooms.grdOrderItems.textMatrix(r, 1));
    EXPECT_EQ(folio, (std::vector<std::string>{"Soda", "Tea"}));
    EXPECT_EQ(rooms.txtTotal.text(), "12.00");
}

TEST_F(SplitCheck, EachCheckKeepsItsTaxesAndTotal) {
    struct Case {
        const char* country;
        const char* rate1;
        const char* rate2;
        const char* subtotal;
        const char* tax1;
        const char* tax2;
        const char* total;
        bool secondShown;
    };
    for (const Case& c : {Case{"USA", "0.075", "0.07", "1,234.00", "92.55", "0.00", "1,326.55", false},
                          Case{"Canada", "0.05", "0.07", "100.00", "5.00", "7.35", "112.35", true},
                          Case{"canada", "0.05", "0.07", "100.00", "5.00", "0.00", "105.00", false},
                          Case{"USA", "", "abc", "100", "0.00", "0.00", "100.00", false}}) {
        rates(c.country, c.rate1, c.rate2);
        ui::forms().unloadAllSilently();
        ui::forms().collect();
        room({}, "0.00");
        frmSplit& s = split();
        s.txtSub.setText(c.subtotal);
        s.txtSub2.setText(c.subtotal);
        for (auto [sub, tax1, tax2, total] : {std::tuple{&s.txtSub, &s.txtTax, &s.txtTax2, &s.txtTotal},
                                              std::tuple{&s.txtSub2, &s.txtATax1, &s.txtATax2, &s.txtTotal2}}) {
            EXPECT_EQ(tax1->text(), c.tax1) << c.country << " " << c.subtotal;
            EXPECT_EQ(tax2->text(), c.tax2) << c.country << " " << c.subtotal;
            EXPECT_EQ(total->text(), c.total) << c.country << " " << c.subtotal;
            EXPECT_EQ(tax2->visible(), c.secondShown) << c.country;
        }
        // A subtotal that is no amount leaves the check as it was.
        s.txtSub.setText("abc");
        EXPECT_EQ(s.txtTotal.text(), c.total);
    }
}

// A room screen with a guest and one night moved to the second check.
class SplitPrint : public SplitCheck {
protected:
    frmSplit& ready(const Lines& folio, const std::string& subtotal) {
        folio::frmRooms& rooms = room(folio, subtotal);
        rooms.txtFirstN.setText("Jane");
        rooms.txtLastN.setText("Doe");
        rooms.txtAdds.setText("1 Main St");
        rooms.txtCity.setText("Springfield");
        rooms.txtState.setText("IL");
        rooms.txtZip.setText("62701");
        rooms.txtPhone.setText("555-0100");
        rooms.txtDateIn.setText("1/5/2026");
        rooms.txtDateOut.setText("1/7/2026");
        rooms.txtRoom.setText("104");
        return split();
    }
};

TEST_F(SplitPrint, PrintsTheSecondCheckAsAnInvoice) {
    rates("USA", "0.1", "0");
    run("ZuBak.mdb", "UPDATE tbSetFreePop SET t12 = 'Auto'");
    frmSplit& s = ready({"2\tRoom Charge 104\t240.00", "1\tTea\t2.00"}, "242.00");
    ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
    ASSERT_TRUE(ui::input::click(s.cmdPrint));
    ASSERT_EQ(print::journal().documents.size(), 1u);
    const print::PrintedDocument& d = print::journal().documents[0];
    Lines t = d.texts();
    ASSERT_GE(t.size(), 36u);
    std::string sp = " ";
    auto spaces = [](std::size_t n) { return std::string(n, ' '); };
    EXPECT_EQ(t[2], spaces(57) + "Invoice");
    EXPECT_EQ(t[4], spaces(50) + "Check Out Date");
    EXPECT_EQ(t[5], spaces(60) + "1/5/2026 9:00:00 AM");
    EXPECT_EQ(t[12], "  Guest Information:");
    EXPECT_EQ(t[13], "    Jane Doe");
    EXPECT_EQ(t[15], "    Springfield, IL 62701");
    EXPECT_EQ(t[19], "  Clerk: Ann");
    EXPECT_EQ(t[20], std::string(92, '_'));
    EXPECT_EQ(t[21],
              "    Guest" + spaces(19) + "From" + spaces(12) + "To" + spaces(13) + "Room" + spaces(8) + "Invoice   ");
    EXPECT_EQ(t[22], "");
    EXPECT_EQ(t[23],
              "  Jane Doe" + spaces(18) + "1/5/2026" + spaces(9) + "1/7/2026" + spaces(13) + "104" + spaces(13) + "77");
    EXPECT_EQ(t[27], spaces(3) + "Day/Qty" + spaces(30) + "Description" + spaces(30) + "Amount" + spaces(9));
    std::string line = spaces(5) + "1" + spaces(20) + "Room Charge 104";
    line += spaces(71 - line.size()) + "120.00";
    EXPECT_EQ(t[29], line);
    EXPECT_TRUE(d.lines[29].bold) << "bold check lines under Auto";
    EXPECT_EQ(d.lines[29].fontSize, 11);
    EXPECT_EQ(t[30], spaces(100));
    EXPECT_EQ(t[34], spaces(65) + "Tax     12.00");
    EXPECT_EQ(t[34].find("12.00"), 73u);
    EXPECT_EQ(t[35], spaces(63) + "Total    132.00");
    EXPECT_EQ(t[35].find("132.00"), 72u);

    // The second check is emptied for the next split; the first check and the folio number list stay.
    EXPECT_EQ(s.grdOrderItems2.rows(), 2);
    for (ui::TextBox* b : {&s.txtSub2, &s.txtATax1, &s.txtTotal2}) EXPECT_EQ(b->text(), "0.00");
    EXPECT_EQ(s.txtChkB.text(), "B");
    EXPECT_EQ(lines(s.grdOrderItems), (Lines{"1|Tea|2.00", "1|Room Charge 104|120.00"}));
    EXPECT_EQ(s.txtSub.text(), "122.00");
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    EXPECT_EQ(rooms.lblChk.tag(), "77");
    EXPECT_EQ(rooms.cmbRept.listCount(), 0);

    // Lines moved after a print print alone, under the same number.
    ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
    ASSERT_TRUE(ui::input::click(s.cmdPrint));
    ASSERT_EQ(print::journal().documents.size(), 2u);
    Lines second = print::journal().documents[1].texts();
    EXPECT_EQ(second[23].substr(second[23].size() - 2), "77");
    EXPECT_EQ(second[29].substr(0, 30), spaces(5) + "1" + spaces(20) + "Tea ");
    EXPECT_EQ(second[30], spaces(100));
}

TEST_F(SplitPrint, CheckLinesAreRegularUnlessFreePopIsAuto) {
    for (const char* freePop : {"Default", "UpLine"}) {
        rates("USA", "0", "0");
        run("ZuBak.mdb", std::string("UPDATE tbSetFreePop SET t12 = '") + freePop + "'");
        ui::forms().unloadAllSilently();
        ui::forms().collect();
        print::resetJournal();
        frmSplit& s = ready({"1\tSuite\t120.00"}, "120.00");
        ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
        ASSERT_TRUE(ui::input::click(s.cmdPrint));
        ASSERT_EQ(print::journal().documents.size(), 1u);
        const std::vector<print::PrintedLine>& d = print::journal().documents[0].lines;
        ASSERT_GT(d.size(), 35u);
        EXPECT_TRUE(d[26].bold) << "the rule over the heading";
        EXPECT_FALSE(d[29].bold) << freePop;
        EXPECT_FALSE(d[34].bold) << freePop << ": the tax line keeps the check lines' state";
        EXPECT_TRUE(d[35].bold) << "the total";
    }
}

TEST_F(SplitPrint, TheLetterAdvancesToEAndAnEmptyCheckPrintsNothing) {
    rates("USA", "0", "0");
    frmSplit& s = ready({"7\tSoda\t7.00"}, "7.00");
    ASSERT_TRUE(ui::input::click(s.cmdPrint));
    EXPECT_TRUE(print::journal().documents.empty());
    EXPECT_EQ(s.txtChkB.text(), "A");
    Lines letters;
    for (int i = 0; i < 6; ++i) {
        letters.push_back(s.txtChkB.text());
        ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
        ASSERT_TRUE(ui::input::click(s.cmdPrint));
    }
    EXPECT_EQ(letters, (Lines{"A", "B", "C", "D", "E", "E"}));
    EXPECT_EQ(s.txtChkB.text(), "E");
    EXPECT_EQ(print::journal().documents.size(), 6u);
}

TEST_F(SplitPrint, TaxLinesAndPlanNotes) {
    struct Case {
        const char* country;
        const char* plan;
        bool secondTax;
        bool planNotes;
    };
    for (const Case& c : {Case{"Canada", "100", true, true}, Case{"USA", "120", false, false}}) {
        rates(c.country, "0.05", "0.07");
        run("ZuBak.mdb", "UPDATE tbSetInfor SET Notes2 = 'Plan note two', Notes3 = '-'");
        run("DOZA98.mdb", std::string("UPDATE tbSet SET Plan = '") + c.plan + "'");
        ui::forms().unloadAllSilently();
        ui::forms().collect();
        print::resetJournal();
        frmSplit& s = ready({"1\tSuite\t120.00"}, "120.00");
        ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
        ASSERT_TRUE(ui::input::click(s.cmdPrint));
        ASSERT_EQ(print::journal().documents.size(), 1u) << c.country;
        Lines t = print::journal().documents[0].texts();
        bool second = false, note = false, dash = false;
        for (const std::string& l : t) {
            second |= l == std::string(65, ' ') + "Tax      8.82";
            note |= l == "Plan note two";
            dash |= l == "-";
        }
        EXPECT_EQ(second, c.secondTax) << c.country;
        EXPECT_EQ(note, c.planNotes) << c.country;
        EXPECT_FALSE(dash);
    }
}

// The split check goes to the printer the "*Epson*" rule chose, not to the folio's printer.
TEST_F(SplitPrint, GoesToTheEpsonPrinter) {
    rates("USA", "0", "0");
    run("DOZA98.mdb", "UPDATE tbSet SET Port = 'None', szType = 'Front*'");
    print::setConfiguredPrinters({print::PrinterInfo{"Front Desk", "LPT2:"}, print::PrinterInfo{"EPSON TM", "LPT3:"},
                                  print::PrinterInfo{"Kitchen Epson TM", "LPT4:"}});
    frmSplit& s = ready({"1\tSuite\t120.00"}, "120.00");
    ASSERT_TRUE(ui::input::select(s.grdOrderItems, 2, 1));
    ASSERT_TRUE(ui::input::click(s.cmdPrint));
    ASSERT_EQ(print::journal().documents.size(), 1u);
    EXPECT_EQ(print::journal().documents[0].printer, "Kitchen Epson TM");
}

}  // namespace
}  // namespace pelk::payment
