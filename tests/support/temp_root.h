#pragma once

#include <filesystem>
#include <string>

namespace pelk::test {

// A fresh root folder for one test: the program folder and every share lie under it, and
// it is removed afterwards. The clock is fixed at 2026-01-05 09:00:00 for the test.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // A file of the given text at a Windows path (its folders made).
    void writeFile(const std::string& windowsPath, const std::string& content) const;

private:
    std::filesystem::path path_;
};

}  // namespace pelk::test
