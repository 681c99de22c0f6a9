#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace pelk::os {

// The station's registry: the few machine settings the screens look up the way Windows programs
// look them up in the system registry. It is read-only for the program: the values live in one
// file of the station's own folder, written by the station's administrator (see the README), in
// the syntax of a registry export:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   "PATH"="hardinfo"
//   "Count"=dword:0000001f
//   "Raw"=hex(1):61,62,63
//
// A text value ("…", with \\ and \" as escapes) is kept as the text followed by its terminating
// zero byte, as Windows keeps it; dword: is a 32-bit number (4 bytes, lowest first); hex(N): gives
// the bytes and the type N, hex: binary bytes. @ names a key's default value. Key and value names
// match without regard to case. A line that cannot be read is passed over.

// Keys: the roots, and the keys openKey gives.
using RegistryKey = std::uint32_t;
inline constexpr RegistryKey kClassesRoot = 0x80000000;
inline constexpr RegistryKey kCurrentUser = 0x80000001;
inline constexpr RegistryKey kLocalMachine = 0x80000002;
inline constexpr RegistryKey kUsers = 0x80000003;
inline constexpr RegistryKey kCurrentConfig = 0x80000005;

// Access: reading is all this registry grants; a request for any other right is refused.
inline constexpr std::uint32_t kKeyRead = 0x20019;

// Results, numbered as the Windows registry numbers them.
inline constexpr long kRegSuccess = 0;
inline constexpr long kRegNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegInvalidHandle = 6;
inline constexpr long kRegMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegText = 1;
inline constexpr std::uint32_t kRegExpandText = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegNumber = 4;
inline constexpr std::uint32_t kRegMultiText = 7;

// The registry's file: registry.reg in the station folder.
std::filesystem::path registryFile();

// Opens `subKey` under `root` (an empty subKey: the root itself). A key exists when the file names
// it or a key below it. kRegAccessDenied when `access` asks for more than reading.
long regOpenKey(RegistryKey root, std::string_view subKey, std::uint32_t access, RegistryKey* opened);
// Reads a value of an open key as it is stored: its type and its bytes. `size` gives the room in
// `data` and receives the length; kRegMoreData (with the length needed) when the room is short.
// Without `data`, only the type and the length.
long regQueryValue(RegistryKey key, std::string_view valueName, std::uint32_t* type, unsigned char* data,
                   std::uint32_t* size);
long regCloseKey(RegistryKey key);

}  // namespace pelk::os
