#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/value.h"
#include "platform/sheet/sheet.h"
#include "platform/ui/data.h"

namespace pelk::settings {

// One column of an exported list: its header in row 1, the field each record's row takes, and
// the number format of the whole column ("" none).
struct SheetColumn {
    const char* header;
    const char* field;
    const char* numberFormat;
};

// Attaches the screen to the spreadsheet application: the running one, else the one the screen
// already holds, else a new one; made visible. False, with "Can't Creat Excel Object" shown, when
// none can be had. The hourglass shows meanwhile.
bool MSExcelOpen(std::shared_ptr<sheet::Application>& goExcel);

// Whether a field's value goes into its cell (a column may leave some values out).
using CellFilter = std::function<bool(int column, const core::Value& value)>;

// Copies the list into a new workbook: the headers in bold, one row per record from the list's
// current record to its end (which is where the list is left), the columns' formats, fitted
// widths, "A1" selected. The new workbook, for the screen to show or preview; nullptr when no
// spreadsheet application could be had (the list is not moved then).
sheet::Workbook* ExcelLoadSales(std::shared_ptr<sheet::Application>& goExcel, ui::DataRecordset& list,
                                const std::vector<SheetColumn>& columns, const CellFilter& writes = {});

// What the export buttons do with the new workbook: shown (the export) or previewed; a workbook
// that cannot be written is told.
enum class Hand { Show, Preview };
void handOver(sheet::Workbook* book, Hand how);

}  // namespace pelk::settings
