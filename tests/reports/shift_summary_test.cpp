// The shift summary where a road cannot look: the printer it goes to, its font, and a page that
// cannot be printed.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/input.h"
#include "report_fixtures.h"
#include "reports/frmRepDy.h"
#include "settings/frmSetPtr.h"
#include "support/screens.h"

namespace pelk::reports {
namespace {

class ShiftSummary : public test::ScreenTest {
protected:
    frmRepDy& report() {
        frmRepDy& r = ui::forms().get<frmRepDy>();
        r.Show();
        return r;
    }
};

TEST_F(ShiftSummary, GoesToTheFrontPrinterInCourierNew14) {
    ASSERT_TRUE(os::makeFolder("C:\\ports"));
    print::setConfiguredPrinters({{"Kitchen", "LPT2:", "C:\\ports\\LPT2"},
                                  {"Receipt", "LPT1:", "C:\\ports\\LPT1"},
                                  {"EPSON TM-T88", "LPT3:", "C:\\ports\\LPT3"}});
    struct Case {
        const char* port;
        const char* pattern;
        const char* printer;
    };
    for (const Case& c : {Case{"LPT1:", "", "Receipt"}, Case{"None", "EPSON*", "EPSON TM-T88"}}) {
        print::setCurrentPrinter(print::PrinterInfo{"Kitchen", "LPT2:", "C:\\ports\\LPT2"});
        ui::Unload<settings::frmSetPtr>();
        runSql("DOZA98.mdb", std::string("UPDATE tbSet SET Port = '") + c.port + "', szType = '" + c.pattern + "'");
        print::printer().FontName = "Arial";
        print::printer().FontSize = 9;
        std::size_t before = print::journal().documents.size();
        ASSERT_TRUE(ui::input::click(report().cmdPSummary));
        ASSERT_EQ(print::journal().documents.size(), before + 1) << c.port;
        const print::PrintedDocument& page = print::journal().documents.back();
        EXPECT_EQ(page.printer, c.printer) << c.port;
        ASSERT_EQ(page.lines.size(), 15u);
        for (const print::PrintedLine& line : page.lines) {
            EXPECT_EQ(line.fontName, "Courier New") << line.text;
            EXPECT_EQ(line.fontSize, 14) << line.text;
        }
    }
    EXPECT_TRUE(prompts().empty());
}

TEST_F(ShiftSummary, PageThatCannotBePrintedIsToldAndTheSubTotalIsWorkedOut) {
    runSql("DOZA98.mdb", "UPDATE tbSet SET Port = 'COM1:'");
    print::setConfiguredPrinters({{"Pole", "COM1:"}});
    frmRepDy& r = report();
    r.txtAmount.setText("1,234.56");
    r.txtTax.setText("56.78");
    ASSERT_TRUE(ui::input::click(r.cmdPSummary));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("The shift summary was not printed. ", 0), 0u) << prompts()[0];
    EXPECT_EQ(r.txtSub.text(), "1,177.78");
}

}  // namespace
}  // namespace pelk::reports
