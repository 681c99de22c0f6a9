#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/print/printers.h"

namespace pelk::print {
namespace {

struct PatternCase {
    const char* text;
    const char* pattern;
    bool matches;
};

TEST(PrinterPattern, FollowsTheLegacyLanguageCaseIncluded) {
    const PatternCase cases[] = {
        {"EPSON TM-T88", "EPSON TM-T88", true},
        {"EPSON TM-T88", "epson tm-t88", false},  // case counts
        {"Epson TM-T88", "*Epson*", true},
        {"EPSON TM-T88", "*Epson*", false},
        {"EPSON", "EPS", false},  // the whole name
        {"EPSON", "EPSO?", true},
        {"EPSON", "EPS?", false},
        {"HP 4050", "HP ####", true},
        {"HP 40x0", "HP ####", false},
        {"Printer A", "Printer [A-C]", true},
        {"Printer D", "Printer [A-C]", false},
        {"Printer D", "Printer [!A-C]", true},
        {"Printer B", "Printer [!A-C]", false},
        {"Printer b", "Printer [A-C]", false},
        {"a*b", "a[*]b", true},  // a bracket makes a wildcard plain
        {"axb", "a[*]b", false},
        {"a?b", "a[?]b", true},
        {"a#b", "a[#]b", true},
        {"a-b", "a[x-]b", true},
        {"a!b", "a!b", true},
        {"a]b", "a]b", true},
        {"ab", "a[]b", true},
        {"Lab[el", "Lab[el", false},  // an unclosed list is no pattern
        {"Printer B", "Printer [C-A]", false},
        {"anything", "*", true},
        {"", "*", true},
        {"", "", true},
        {"x", "", false},
        {"Label 1", "*#", true},
        {"aaa", "a*a*a*a", false},
        {"aXbXc", "*X*X*", true},
        {"\\\\srv\\Epson", "\\\\srv\\*", true},
        {"厨房打印机", "厨房*", true},
        {"厨房打印机", "厨房???", true},  // one question mark, one character
        {"厨房打印机", "厨房??", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesPattern(c.text, c.pattern), c.matches) << '"' << c.text << "\" like \"" << c.pattern << '"';
    }
}

TEST(FrontPrinterRule, PortPathOrNameFirstInOrderElseTheCurrentPrinterStays) {
    const std::vector<PrinterInfo> installed = {
        {"USB Receipt", "USB001"},
        {"Kitchen", "LPT1:"},
        {"Odd", "Network"},
        {"\\\\srv\\Epson", "\\\\srv\\"},
        {"EPSON TM-T88", "ipp://host/printers/epson", "", "epson"},
    };
    const PrinterInfo before{"Before", "COM2:"};
    struct Case {
        const char* port;
        const char* path;
        const char* pattern;
        const char* chosen;  // nullptr: no printer qualifies
    };
    const Case cases[] = {
        {"LPT1:", "", "", "Kitchen"},                    // port match
        {"LPT1:", "", "USB*", "USB Receipt"},            // an earlier name match beats a later port match
        {"Network", "\\\\srv\\", "", "\\\\srv\\Epson"},  // the network path stands for the port
        {"Network", "", "", nullptr},                    // the word "Network" itself is never compared
        {"COM1:", "", "EPSON*", "EPSON TM-T88"},         // name pattern
        {"COM1:", "", "epson*", nullptr},                // case counts in the name
        {"lpt1:", "", "", nullptr},                      // and in the port
        {"None", "", "", nullptr},
        {"COM1:", "", "Kitch#n", nullptr},
        {"COM1:", "", "\\\\srv\\*", "\\\\srv\\Epson"},
    };
    for (const auto& c : cases) {
        setCurrentPrinter(before);
        if (auto p = findFrontPrinter(installed, c.port, c.path, c.pattern)) setCurrentPrinter(*p);
        std::string expected = c.chosen ? c.chosen : before.DeviceName;
        EXPECT_EQ(currentPrinter()->DeviceName, expected) << c.port << " / " << c.path << " / " << c.pattern;
    }
    setCurrentPrinter(std::nullopt);
}

TEST(FrontPrinterRule, ByPortComparesThePortAlone) {
    const std::vector<PrinterInfo> installed = {{"USB Receipt", "USB001"}, {"Kitchen", "LPT1:"}, {"Front", "LPT1:"}};
    EXPECT_EQ(findPrinterByPort(installed, "LPT1:")->DeviceName, "Kitchen");
    EXPECT_FALSE(findPrinterByPort(installed, "Network"));
    EXPECT_FALSE(findPrinterByPort(installed, "None"));
    EXPECT_FALSE(findPrinterByPort(installed, ""));
    EXPECT_FALSE(findPrinterByPort(installed, "usb001"));
}

TEST(PrinterPorts, PathsAreDevicesAndPortNamesAreNot) {
    EXPECT_TRUE(isDevicePath("C:\\ports\\COM1"));
    EXPECT_TRUE(isDevicePath("c:/ports/COM1"));
    EXPECT_TRUE(isDevicePath("\\\\srv\\Epson"));
    EXPECT_TRUE(isDevicePath("/dev/usb/lp0"));
    EXPECT_FALSE(isDevicePath("LPT1:"));
    EXPECT_FALSE(isDevicePath("USB001"));
    EXPECT_FALSE(isDevicePath("ipp://host/printers/epson"));
    EXPECT_FALSE(isDevicePath(""));
    EXPECT_EQ(rawTarget({"Receipt", "LPT1:", "/dev/usb/lp0"}), "/dev/usb/lp0");
    EXPECT_EQ(rawTarget({"Receipt", "C:\\ports\\COM1"}), "C:\\ports\\COM1");
    EXPECT_EQ(rawTarget({"Laser", "ipp://host/printers/laser", "", "laser"}), "");
}

}  // namespace
}  // namespace pelk::print
