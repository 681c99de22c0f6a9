#include "platform/os/registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "platform/os/paths.h"
#include "support/temp_root.h"

using namespace pelk;

namespace {

class Registry : public ::testing::Test {
protected:
    static void writeRegistry(const std::string& content) {
        std::filesystem::create_directories(os::registryFile().parent_path());
        std::ofstream(os::registryFile(), std::ios::binary) << content;
    }
    // A value as stored: its type and bytes, or the failure of opening or reading.
    struct Read {
        long result;
        std::uint32_t type = 0;
        std::string bytes;
    };
    static Read read(std::string_view key, std::string_view value) {
        os::RegistryKey k = 0;
        if (long rc = os::regOpenKey(os::kLocalMachine, key, os::kKeyRead, &k); rc != os::kRegSuccess)
            return {rc, 0, {}};
        unsigned char buffer[64] = {};
        std::uint32_t size = sizeof buffer;
        Read r{os::kRegSuccess, 0, {}};
        r.result = os::regQueryValue(k, value, &r.type, buffer, &size);
        if (r.result == os::kRegSuccess) r.bytes.assign(reinterpret_cast<char*>(buffer), size);
        EXPECT_EQ(os::regCloseKey(k), os::kRegSuccess);
        return r;
    }

    test::TempRoot root_;
};

TEST_F(Registry, LivesInTheStationFolder) { EXPECT_EQ(os::registryFile(), os::stationFolder() / "registry.reg"); }

TEST_F(Registry, WithoutItsFileOnlyTheRootsExist) {
    os::RegistryKey k = 0;
    EXPECT_EQ(os::regOpenKey(os::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", os::kKeyRead, &k),
              os::kRegNotFound);
    EXPECT_EQ(k, 0u);
    ASSERT_EQ(os::regOpenKey(os::kLocalMachine, "", os::kKeyRead, &k), os::kRegSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(os::regQueryValue(k, "PATH", nullptr, nullptr, &size), os::kRegNotFound);
    EXPECT_EQ(os::regCloseKey(k), os::kRegSuccess);
}

TEST_F(Registry, ValuesComeBackTypedAsStored) {
    writeRegistry(
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; the machine's own tools\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
        "\"PATH\"=\"C:\\\\Tools\\\\say \\\"hi\\\".exe\"\r\n"
        "\"Count\"=dword:0000001f\r\n"
        "\"Big\"=dword:FFFFFFFE\r\n"
        "\"Bare\"=hex(1):61,62,63\r\n"
        "\"Long\"=hex:01,02,\\\r\n"
        "  03,04\r\n"
        "@=\"default\"\r\n"
        "\"Empty\"=\"\"\r\n"
        "\"Twice\"=\"first\"\r\n"
        "\"twice\"=\"second\"\r\n"
        "this line is no value\r\n"
        "\"Broken\"=dword:123456789\r\n"
        "\"Unclosed\"=\"abc\r\n"
        "[HKLM\\Software\\Other]\r\n"
        "\"PATH\"=\"elsewhere\"\r\n");
    using std::string_literals::operator""s;
    struct {
        const char* key;
        const char* value;
        long result;
        std::uint32_t type;
        std::string bytes;
    } cases[] = {
        // A text keeps its terminating zero, as Windows keeps it; escapes are undone.
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", os::kRegSuccess, os::kRegText,
         "C:\\Tools\\say \"hi\".exe\0"s},
        // Names match without regard to case, and the key path's outer backslashes do not count.
        {"\\software\\microsoft\\shared tools\\msinfo\\", "path", os::kRegSuccess, os::kRegText,
         "C:\\Tools\\say \"hi\".exe\0"s},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Count", os::kRegSuccess, os::kRegNumber, "\x1f\0\0\0"s},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Big", os::kRegSuccess, os::kRegNumber, "\xfe\xff\xff\xff"s},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Bare", os::kRegSuccess, os::kRegText, "abc"},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Long", os::kRegSuccess, os::kRegBinary, "\x01\x02\x03\x04"},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "", os::kRegSuccess, os::kRegText, "default\0"s},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Empty", os::kRegSuccess, os::kRegText, "\0"s},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "TWICE", os::kRegSuccess, os::kRegText, "second\0"s},
        // Lines that cannot be read are passed over, not guessed at.
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Broken", os::kRegNotFound, 0, ""},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Unclosed", os::kRegNotFound, 0, ""},
        {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Missing", os::kRegNotFound, 0, ""},
        // The short root name, and a key that exists only because a key below it is named.
        {"Software\\Other", "PATH", os::kRegSuccess, os::kRegText, "elsewhere\0"s},
        {"SOFTWARE\\Microsoft", "PATH", os::kRegNotFound, 0, ""},
        {"SOFTWARE\\Micro", "PATH", os::kRegNotFound, 0, ""},
    };
    for (const auto& c : cases) {
        Read r = read(c.key, c.value);
        EXPECT_EQ(r.result, c.result) << c.key << " " << c.value;
        EXPECT_EQ(r.type, c.type) << c.key << " " << c.value;
        EXPECT_EQ(r.bytes, c.bytes) << c.key << " " << c.value;
    }
    // A key under another root is not there.
    os::RegistryKey k = 0;
    EXPECT_EQ(os::regOpenKey(os::kCurrentUser, "Software\\Other", os::kKeyRead, &k), os::kRegNotFound);
}

TEST_F(Registry, GrantsReadingOnly) {
    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"V\"=\"x\"\n");
    os::RegistryKey k = 0;
    // Full access, and the single rights to set a value or make a key, are refused.
    for (std::uint32_t access : {0x2003Fu, 0xF003Fu, 0x2u, 0x4u})
        EXPECT_EQ(os::regOpenKey(os::kLocalMachine, "SOFTWARE\\A", access, &k), os::kRegAccessDenied) << access;
    for (std::uint32_t access : {os::kKeyRead, 0x1u, os::kKeyRead | 0x100u}) {
        ASSERT_EQ(os::regOpenKey(os::kLocalMachine, "SOFTWARE\\A", access, &k), os::kRegSuccess) << access;
        EXPECT_EQ(os::regCloseKey(k), os::kRegSuccess);
    }
}

TEST_F(Registry, ShortRoomTellsTheLengthNeeded) {
    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"V\"=\"hello\"\n");
    os::RegistryKey k = 0;
    ASSERT_EQ(os::regOpenKey(os::kLocalMachine, "SOFTWARE\\A", os::kKeyRead, &k), os::kRegSuccess);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(os::regQueryValue(k, "V", &type, nullptr, &size), os::kRegSuccess);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, os::kRegText);
    unsigned char buffer[3] = {'-', '-', '-'};
    size = sizeof buffer;
    EXPECT_EQ(os::regQueryValue(k, "V", &type, buffer, &size), os::kRegMoreData);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(buffer[0], '-');
    EXPECT_EQ(os::regCloseKey(k), os::kRegSuccess);
}

TEST_F(Registry, KeysOpenBelowOpenKeysAndCloseOnce) {
    writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\A\\B]\n\"V\"=dword:00000002\n");
    os::RegistryKey a = 0;
    os::RegistryKey b = 0;
    ASSERT_EQ(os::regOpenKey(os::kLocalMachine, "SOFTWARE\\A", os::kKeyRead, &a), os::kRegSuccess);
    ASSERT_EQ(os::regOpenKey(a, "B", os::kKeyRead, &b), os::kRegSuccess);
    EXPECT_NE(a, b);
    std::uint32_t size = 0;
    EXPECT_EQ(os::regQueryValue(b, "V", nullptr, nullptr, &size), os::kRegSuccess);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(os::regCloseKey(b), os::kRegSuccess);
    EXPECT_EQ(os::regCloseKey(a), os::kRegSuccess);
    EXPECT_EQ(os::regCloseKey(a), os::kRegInvalidHandle);
    EXPECT_EQ(os::regQueryValue(a, "V", nullptr, nullptr, &size), os::kRegInvalidHandle);
    EXPECT_EQ(os::regOpenKey(a, "B", os::kKeyRead, &b), os::kRegInvalidHandle);
    EXPECT_EQ(os::regCloseKey(0x12345), os::kRegInvalidHandle);
}

}  // namespace
