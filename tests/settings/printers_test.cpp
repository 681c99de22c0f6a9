// The printer settings screen and the front printer rule.

#include "platform/print/printers.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"
#include "settings/frmSetPtr.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class Printers : public test::ScreenTest {
protected:
    Printers() {
        print::setConfiguredPrinters({{"Star TSP100", "USB001"},
                                      {"EPSON TM-T88", "LPT1:"},
                                      {"\\\\FRONT\\Receipt", "\\\\FRONT\\"},
                                      {"Epson LX-300", "COM2:"}});
    }
    void storeFront(const std::string& port, const std::string& path, const std::string& name) {
        auto doza = db::Database::open(os::programPath("DOZA98.mdb"));
        ASSERT_TRUE(doza->execute("UPDATE tbSet SET Port = " + db::quote(port) + ", szPath1 = " + db::quote(path) +
                                  ", szType = " + db::quote(name))
                        .ok());
        ui::Unload<frmSetPtr>();
    }
    std::string stored(const char* field) {
        auto doza = db::Database::open(os::programPath("DOZA98.mdb"));
        return doza->openRecordset("tbSet")->field(field)->toText();
    }
    static std::string current() {
        auto p = print::currentPrinter();
        return p ? p->DeviceName : "(default)";
    }
    frmSetPtr& screen() { return ui::forms().get<frmSetPtr>(); }
    // Chooses the list entry that reads `text`, as a click on it does.
    static void choose(ui::ComboBox& list, const std::string& text) {
        for (int i = 0; i < list.listCount(); ++i)
            if (list.list(i) == text) {
                ASSERT_TRUE(ui::input::select(list, i));
                return;
            }
        FAIL() << text << " is not in " << list.name();
    }
};

TEST_F(Printers, TheFrontPrinterRule) {
    struct Case {
        const char *port, *path, *name, *expected;
    };
    for (const Case& c : {
             Case{"LPT1:", "", "", "EPSON TM-T88"},
             // A printer that qualifies by name earlier wins over a later one on the port.
             Case{"LPT1:", "", "Star*", "Star TSP100"},
             Case{"Network", "\\\\FRONT\\", "", "\\\\FRONT\\Receipt"},
             // "Network" with no path: only the name can select.
             Case{"Network", "", "*LX-###", "Epson LX-300"},
             Case{"None", "", "*TM-T##", "EPSON TM-T88"},
             // Names compare case included.
             Case{"None", "", "*epson*", "(default)"},
             Case{"COM1:", "", "Nothing", "(default)"},
         }) {
        print::setCurrentPrinter(std::nullopt);
        storeFront(c.port, c.path, c.name);
        SelectFrontPrinter();
        EXPECT_EQ(current(), c.expected) << c.port << " " << c.path << " " << c.name;
    }
    // No printer qualifies: an earlier selection stays.
    storeFront("LPT1:", "", "");
    SelectFrontPrinter();
    storeFront("COM1:", "", "");
    SelectFrontPrinter();
    EXPECT_EQ(current(), "EPSON TM-T88");
    // The split check's fixed pattern.
    SelectFrontPrinter("*Epson*");
    EXPECT_EQ(current(), "Epson LX-300");
    // The holder is read, loaded hidden.
    EXPECT_TRUE(ui::forms().isLoaded<frmSetPtr>());
    EXPECT_FALSE(screen().visible());
}

TEST_F(Printers, TheClockTicketSelectsByPortOnly) {
    struct Case {
        const char *port, *name, *expected;
    };
    for (const Case& c : {Case{"USB001", "EPSON*", "Star TSP100"}, Case{"Network", "", "(default)"},
                          Case{"None", "Star*", "(default)"}, Case{"COM2:", "", "Epson LX-300"}}) {
        print::setCurrentPrinter(std::nullopt);
        storeFront(c.port, "\\\\FRONT\\", c.name);
        SelectFrontPrinterByPort();
        EXPECT_EQ(current(), c.expected) << c.port;
    }
}

TEST_F(Printers, TheScreenListsThePortsAndTheInstalledPrinters) {
    storeFront("LPT1:", "", "Gone Printer");
    frmSetPtr& f = screen();
    EXPECT_EQ(f.cmbType.items(),
              (std::vector<std::string>{"", "Star TSP100", "EPSON TM-T88", "\\\\FRONT\\Receipt", "Epson LX-300"}));
    EXPECT_EQ(f.cmbType5.items(), f.cmbType.items());
    EXPECT_EQ(f.lstPrinters.items(),
              (std::vector<std::string>{"Star TSP100", "EPSON TM-T88", "\\\\FRONT\\Receipt", "Epson LX-300"}));
    // A stored printer that is no longer installed still shows.
    EXPECT_EQ(f.cmbType.text(), "Gone Printer");
    EXPECT_EQ(f.Cmb1.text(), "LPT1:");
    std::vector<std::string> p = {"None", "LPT1:", "LPT2:", "COM1:", "COM2:", "USB001", "USB002", "Network"};
    EXPECT_EQ(f.Cmb1.items(), p);
    EXPECT_EQ(f.cmbECD.items(), p);
    EXPECT_EQ(f.Cmb2.items(), p);
    p.push_back("Label");
    EXPECT_EQ(f.Cmb3.items(), p);
    EXPECT_EQ(f.Cmb4.items(), (std::vector<std::string>{"None", "LPT1:", "LPT2:", "COM1:", "COM2:", "COM3:", "COM4:",
                                                        "USB001", "USB002", "Network"}));
    EXPECT_EQ(f.Cmb5.items(), (std::vector<std::string>{"None", "LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:",
                                                        "COM4:", "USB001", "USB002"}));
    EXPECT_EQ(f.cmbPtr2.items(), (std::vector<std::string>{" ", "A", "B"}));
    EXPECT_EQ(f.cmbPtr4.items(), (std::vector<std::string>{" ", "D"}));
    EXPECT_EQ(f.cmbPtr5.items(), (std::vector<std::string>{" ", "S"}));
    EXPECT_FALSE(f.cmbPtr1.visible());
    EXPECT_FALSE(f.cmdNext.visible());
}

TEST_F(Printers, ANetworkPrinterSetsThePathAndTheNetworkPort) {
    print::setConfiguredPrinters(
        {{"EPSON TM-T88", "LPT1:"}, {"\\\\SRV\\Kitchen", "\\\\SRV\\"}, {"\\\\BAR\\Bar 2", ""}});
    frmSetPtr& f = screen();
    f.Show();
    EXPECT_FALSE(f.txtPtr1.visible());
    choose(f.cmbType, "\\\\SRV\\Kitchen");
    EXPECT_EQ(f.txtPtr1.text(), "\\\\SRV\\");
    EXPECT_EQ(f.Cmb1.text(), "Network");
    EXPECT_TRUE(f.txtPtr1.visible());
    // The port is stored at once.
    EXPECT_EQ(stored("Port"), "Network");
    // A second network printer, on another row, gets its own path.
    choose(f.cmbType2, "\\\\BAR\\Bar 2");
    EXPECT_EQ(f.txtPtr2.text(), "\\\\BAR\\");
    EXPECT_EQ(stored("Port2"), "Network");
    // A local printer empties the path and leaves the port.
    choose(f.cmbType, "EPSON TM-T88");
    EXPECT_EQ(f.txtPtr1.text(), "");
    EXPECT_EQ(f.Cmb1.text(), "Network");
    choose(f.cmbType2, "");
    EXPECT_EQ(f.txtPtr2.text(), "");
    // The salad row takes "Network", though its list has none, and keeps it until the screen closes.
    choose(f.cmbType5, "\\\\SRV\\Kitchen");
    EXPECT_EQ(f.Cmb5.text(), "Network");
    EXPECT_EQ(f.txtPtr5.text(), "\\\\SRV\\");
    EXPECT_EQ(stored("Port5"), "None");
    ui::input::click(f.cmdClose);
    EXPECT_EQ(stored("Port5"), "Network");
    EXPECT_EQ(stored("szPath5"), "\\\\SRV\\");
    EXPECT_EQ(stored("szType"), "EPSON TM-T88");
    EXPECT_EQ(stored("szPath1"), "");
    EXPECT_FALSE(ui::forms().isLoaded<frmSetPtr>());
    EXPECT_TRUE(ui::forms().find<frmBSfwSet>()->visible());
}

TEST_F(Printers, PortChoicesShowThePathBoxesAndTheLabelPortLocksItsCodes) {
    frmSetPtr& f = screen();
    f.Show();
    EXPECT_TRUE(f.txtPtr5.visible());
    choose(f.Cmb3, "Label");
    EXPECT_FALSE(f.cmbPtr3.enabled());
    EXPECT_TRUE(f.txtPtr3.visible());
    EXPECT_EQ(stored("Port3"), "Label");
    choose(f.Cmb3, "COM1:");
    EXPECT_TRUE(f.cmbPtr3.enabled());
    EXPECT_FALSE(f.txtPtr3.visible());
    choose(f.Cmb4, "Network");
    EXPECT_TRUE(f.txtPtr4.visible());
    EXPECT_EQ(stored("Port4"), "Network");
    // Cash drawer and station codes wait for the close.
    choose(f.cmbECD, "COM1:");
    choose(f.cmbPtr2, "A");
    EXPECT_EQ(stored("Port6"), "None");
    ui::input::click(f.cmdPtr);
    ASSERT_EQ(host().printerDialogs().size(), 1u);
    EXPECT_EQ(host().printerDialogs()[0].title, "SELECT a Printer");
    EXPECT_EQ(host().printerDialogs()[0].flags, 64);
    ui::input::click(f.Command1);
    EXPECT_TRUE(ui::forms().find<frmHelpSetPtr>()->visible());
    // The wizard's Next only closes.
    f.cmdNext.setVisible(true);
    ui::input::click(f.cmdNext);
    EXPECT_FALSE(ui::forms().isLoaded<frmSetPtr>());
    EXPECT_FALSE(ui::forms().isLoaded<frmBSfwSet>());
    EXPECT_EQ(stored("Port6"), "COM1:");
    EXPECT_EQ(stored("szScrnA"), "A");
}

TEST(NetworkPrinterPath, IsTheNameUpToItsLastBackslash) {
    EXPECT_EQ(networkPrinterPath("\\\\SRV\\Epson"), "\\\\SRV\\");
    EXPECT_EQ(networkPrinterPath("\\\\SRV\\Queue\\Epson"), "\\\\SRV\\Queue\\");
    // The name's own last character is left out of the search.
    EXPECT_EQ(networkPrinterPath("\\\\SRV\\"), "\\\\");
    EXPECT_EQ(networkPrinterPath("Epson"), "");
}

}  // namespace
}  // namespace pelk::settings
