#include "settings/export.h"

#include <string>

#include "platform/ui/host.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"

namespace pelk::settings {

bool MSExcelOpen(std::shared_ptr<sheet::Application>& goExcel) {
    ui::screen().setMousePointer(ui::kHourglass);
    if (auto running = sheet::Application::running()) goExcel = running;
    if (!goExcel) goExcel = sheet::Application::start();
    bool opened = goExcel != nullptr;
    if (!opened)
        ui::MsgBox("Can't Creat Excel Object");
    else if (!goExcel->Visible)
        goExcel->Visible = true;
    ui::DoEvents();
    ui::screen().setMousePointer(ui::kDefaultPointer);
    return opened;
}

sheet::Workbook* ExcelLoadSales(std::shared_ptr<sheet::Application>& goExcel, ui::DataRecordset& list,
                                const std::vector<SheetColumn>& columns, const CellFilter& writes) {
    // The attach put the normal pointer back, and the rows are written under it.
    if (!MSExcelOpen(goExcel)) return nullptr;
    sheet::Workbook& book = goExcel->Workbooks.Add();
    sheet::Worksheet& target = book.ActiveSheet();
    const int last = static_cast<int>(columns.size());
    for (int c = 1; c <= last; ++c) target.Cells(1, c).setValue(core::Value(std::string(columns[c - 1].header)));

    // Every record to the end of the list, however many; a list that never opened gives none.
    int row = 2;
    while (list.isOpen() && !list.eof()) {
        for (int c = 1; c <= last; ++c) {
            auto value = list.field(columns[c - 1].field);
            if (value && (!writes || writes(c, *value))) target.Cells(row, c).setValue(*value);
        }
        ++row;
        if (!list.MoveNext()) break;
    }

    for (int c = 1; c <= last; ++c) {
        if (std::string(columns[c - 1].numberFormat).empty()) continue;
        std::string letters = sheet::columnLetters(c);
        target.Columns(letters + ":" + letters).Select();
        goExcel->Selection().setNumberFormat(columns[c - 1].numberFormat);
    }
    const std::string lastLetters = sheet::columnLetters(last);
    goExcel->Range("A1:" + lastLetters + "1").Select();
    goExcel->Selection().setFontBold(true);
    goExcel->ActiveSheet().Columns("A:" + lastLetters).AutoFit();
    goExcel->Range("A1").Select();
    return &book;
}

void handOver(sheet::Workbook* book, Hand how) {
    if (!book) return;
    std::string why = how == Hand::Preview ? book->PrintPreview() : book->show();
    if (!why.empty()) ui::MsgBox("The list could not be exported. " + why, ui::kCritical);
}

}  // namespace pelk::settings
