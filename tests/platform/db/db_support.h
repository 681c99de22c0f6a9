#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "support/temp_root.h"

namespace pelk::test {

// Another station's connection, raw, as another program on the same file would have it.
class Station {
public:
    explicit Station(const std::string& windowsPath) {
        sqlite3_open(os::mapPath(windowsPath).string().c_str(), &db_);
        sqlite3_busy_timeout(db_, 5000);
    }
    ~Station() { sqlite3_close(db_); }
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;
    int exec(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }
    // The first column of the first row; -1 without a row, -2 when the query is refused.
    long long count(const std::string& sql) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) return -2;
        long long n = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
        sqlite3_finalize(s);
        return n;
    }

private:
    sqlite3* db_ = nullptr;
};

// An empty store at a Windows path.
inline db::Database emptyStore(const std::string& windowsPath) {
    EXPECT_TRUE(db::ensureStore(windowsPath, db::StoreDecl{"", {}, false}).ok());
    auto d = db::Database::open(windowsPath);
    EXPECT_TRUE(d.ok()) << (d.ok() ? "" : d.error().message());
    return std::move(d).value();
}

// A store made from a fixture of statements in the legacy dialect (tests/fixtures/db), one a line.
inline db::Database fixtureStore(const std::string& windowsPath, const std::string& fixture) {
    db::Database d = emptyStore(windowsPath);
    std::ifstream in(std::string(PELK_TEST_SOURCE_DIR) + "/fixtures/db/" + fixture);
    EXPECT_TRUE(in) << fixture;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.rfind("--", 0) == 0) continue;
        auto n = d.execute(line);
        EXPECT_TRUE(n.ok()) << line << "\n" << (n.ok() ? "" : n.error().message());
    }
    return d;
}

// A value as a test compares it: its text, or "Null".
inline std::string shown(const db::Result<core::Value>& v) {
    if (!v) return "error " + std::to_string(v.error().code);
    return v->isNull() ? "Null" : v->toText();
}

inline void ok(const db::Status& st) { ASSERT_TRUE(st.ok()) << st.error().message(); }

inline db::Recordset open(const db::Database& d, const std::string& source) {
    auto rs = d.openRecordset(source);
    EXPECT_TRUE(rs.ok()) << source << "\n" << (rs.ok() ? "" : rs.error().message());
    return std::move(rs).value();
}

// The key field of every row, in the recordset's order.
inline std::vector<std::string> column(db::Recordset& rs, const std::string& field) {
    std::vector<std::string> out;
    if (!rs.MoveFirst().ok()) return out;
    while (!rs.eof()) {
        out.push_back(shown(rs.field(field)));
        if (!rs.MoveNext().ok()) break;
    }
    return out;
}

}  // namespace pelk::test
