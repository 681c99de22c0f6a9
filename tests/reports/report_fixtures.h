#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"

namespace pelk::reports {

// Runs a fixture statement on a store: a file name in the program folder, or a Windows path.
inline void runSql(const std::string& store, const std::string& sql) {
    std::string path = store.find('\\') == std::string::npos ? os::programPath(store) : store;
    auto opened = db::Database::open(path);
    ASSERT_TRUE(opened) << opened.error().message();
    auto done = opened->execute(sql);
    ASSERT_TRUE(done) << sql << ": " << done.error().message();
}

}  // namespace pelk::reports
