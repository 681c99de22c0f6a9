// The time sheets' grid on the screen: every value whole in its column.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include "platform/db/db.h"
#include "platform/qt/qt_session.h"
#include "shell/frmRepTSht.h"
#include "station.h"

using namespace pelk;
using namespace pelk::test;

namespace {

class TimeSheet : public Station {};

TEST_F(TimeSheet, EveryColumnShowsItsValuesWhole) {
    logIn();
    auto d = db::Database::open("C:\\Program Files\\Pelk POS 4\\Tcd.mdb");
    ASSERT_TRUE(d.ok());
    // The widest values a card holds: a long first name, two-digit month and day, a time after noon.
    auto n = d->execute(
        "INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szIn_ti, szDateO_da, szOut_ti, szTHrs) VALUES "
        "('1001', 'Alexandrina', '12/31/2025', '10:05:09 AM', '12/31/2025', '11:59:00 PM', '834')");
    ASSERT_TRUE(n.ok()) << n.error().message();
    auto& sheet = static_cast<shell::frmRepTSht&>(open("frmRepTSht"));
    auto* table = host().widgetOf(sheet.DBGrid1)->findChild<QTableView*>();
    if (!table) table = qobject_cast<QTableView*>(host().widgetOf(sheet.DBGrid1));
    ASSERT_TRUE(table);
    ASSERT_GE(table->model()->rowCount(), 1);
    QFontMetrics fm(table->font());
    int used = table->verticalHeader()->width();
    for (int c = 0; c < table->model()->columnCount(); ++c) {
        QString heading = table->model()->headerData(c, Qt::Horizontal).toString();
        QString value = table->model()->index(0, c).data().toString();
        SCOPED_TRACE(heading.toStdString() + " " + value.toStdString());
        // A cell keeps a few pixels of margin each side.
        EXPECT_LE(fm.horizontalAdvance(value) + 6, table->columnWidth(c));
        EXPECT_LE(QFontMetrics(table->horizontalHeader()->font()).horizontalAdvance(heading) + 6,
                  table->columnWidth(c));
        used += table->columnWidth(c);
    }
    EXPECT_LE(used, table->viewport()->width() + table->verticalHeader()->width()) << "no column runs off the grid";
}

}  // namespace
