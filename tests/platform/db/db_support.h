#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/db/db.h"
#include "support/temp_root.h"

namespace pelk::test {

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
