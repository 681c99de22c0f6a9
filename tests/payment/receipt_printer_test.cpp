// A card payment on a station whose receipt printer is an ESC/POS printer on a port: the bytes
// it gets, and a printer that does not answer.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "payment/frmTender.h"
#include "platform/card/card.h"
#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "support/escpos_decode.h"
#include "support/screens.h"

namespace pelk::payment {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct Approves : card::CardProcessor {
    int calls = 0;
    card::Answer answer() {
        ++calls;
        return {true, "APPROVED", "A1", "9", "VISA", ""};
    }
    card::Answer Purchase(const card::Request&) override { return answer(); }
    card::Answer PostAuth(const card::Request&) override { return answer(); }
    card::Answer PreAuth(const card::Request&) override { return answer(); }
    card::Answer Return(const card::Request&) override { return answer(); }
};

class ReceiptPrinter : public test::ScreenTest {
protected:
    ReceiptPrinter() {
        resetCardRun();
        card::setProcessorFactory([this](std::string*) { return processor_; });
    }
    ~ReceiptPrinter() override {
        card::setProcessorFactory(nullptr);
        resetCardRun();
    }
    void useDevice(const fs::path& device) {
        print::PrinterInfo receipt{"Receipt", "LPT1:", device.string()};
        print::setConfiguredPrinters({receipt});
        print::setCurrentPrinter(receipt);
    }
    // Pays 25.00 by card for room 104 and returns the folio's number.
    std::string payByCard() {
        folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
        rooms.Show();
        rooms.txtRoom.setText("104");
        rooms.txtGet.setText("100.00");
        frmTender& t = ui::forms().get<frmTender>();
        t.Show();
        EXPECT_TRUE(ui::input::click(t.cmdPurchase));
        t.txtCardType.setText("VISA");
        t.txtCardNu.setText("4242424242424242");
        t.txtGet.setText("25.00");
        EXPECT_TRUE(ui::input::click(t.cmdNext));
        ui::forms().collect();
        return rooms.cmbRept.text();
    }
    static std::string cardAmount(const std::string& inv) {
        auto store = db::Database::open(os::programPath("Ordr.mdb"));
        if (!store) return "error " + store.error().message();
        auto rows = store->openRecordset("SELECT * FROM tblZu_Order WHERE Inv = '" + inv + "'");
        if (!rows || rows->eof()) return "(none)";
        auto v = rows->field("szCard_amt");
        return v && !v->isNull() ? v->toText() : "(null)";
    }
    std::shared_ptr<Approves> processor_ = std::make_shared<Approves>();
};

// Two copies, each started clean, in a code page, the total bold in double size and cut off on
// its own; the drawer pulse after them, as it always was.
TEST_F(ReceiptPrinter, ACardReceiptReachesAnEscPosPrinterAsItsCommands) {
    const fs::path device = root_.path() / "lp0";
    useDevice(device);
    std::string inv = payByCard();
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(cardAmount(inv), "25");

    std::ifstream in(device, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    Lines got = test::decodeEscPos(bytes.str());
    auto cut = std::find(got.begin(), got.end(), "cut 1");
    ASSERT_NE(cut, got.end());
    Lines first(got.begin(), cut + 1), rest(cut + 1, got.end());
    ASSERT_GE(rest.size(), first.size());
    Lines second(rest.begin(), rest.begin() + static_cast<long>(first.size()));
    Lines after(rest.begin() + static_cast<long>(first.size()), rest.end());

    EXPECT_EQ(first, second) << "two copies, the same";
    EXPECT_EQ(Lines(first.begin(), first.begin() + 2), (Lines{"init", "codepage 0"}));
    EXPECT_EQ(Lines(first.end() - 2, first.end()), (Lines{"feed 4", "cut 1"}));
    auto total = std::find(first.begin(), first.end(), "text Total: 25.00");
    ASSERT_NE(total, first.end());
    EXPECT_EQ(Lines(total - 2, total + 4),
              (Lines{"bold on", "size 2x2", "text Total: 25.00", "size 1x1", "bold off", "lf"}));
    EXPECT_NE(std::find(first.begin(), first.end(), "text Account #: xxxx xxxx 4242"), first.end());
    EXPECT_EQ(std::count(first.begin(), first.end(), "bold on"), 1) << "only the total is bold";
    EXPECT_EQ(after, (Lines{"pulse 0 20 100", "lf"})) << "the drawer pulse, unchanged";

    struct stat info {};
    ASSERT_EQ(::stat(device.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "receipts hold card numbers";
}

// A receipt printer switched off behind a FIFO that nobody reads: the clerk is told once, in a
// few seconds, and the payment stands.
TEST_F(ReceiptPrinter, AReceiptPrinterThatDoesNotAnswerKeepsThePayment) {
    const fs::path fifo = root_.path() / "receipt.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    useDevice(fifo);
    auto start = std::chrono::steady_clock::now();
    std::string inv = payByCard();
    // Bounded, not timed: a write that waited on the printer would never return. The margin is
    // wide so that a loaded machine cannot fail it.
    EXPECT_LT(std::chrono::steady_clock::now() - start, os::kRawWriteLimit + std::chrono::seconds(30));
    EXPECT_EQ(prompts(), (Lines{"The receipt printer Receipt does not answer. Check that it is on and connected."}));
    EXPECT_EQ(processor_->calls, 1);
    EXPECT_EQ(cardAmount(inv), "25");
    EXPECT_EQ(print::journal().documents.size(), 2u) << "both copies are in the spool";
    EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
}

}  // namespace
}  // namespace pelk::payment
