#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::os {

// File operations on Windows paths (mapped through mapPath). Each returns false, or an
// empty list, on failure; `error` (when given) receives the reason.
bool fileExists(std::string_view windowsPath);
bool folderExists(std::string_view windowsPath);
// Names (not paths) of the files in `folder` that match `pattern` ("*.mdb"), without regard
// to case, sorted.
std::vector<std::string> findFiles(std::string_view windowsFolder, std::string_view pattern);
bool copyFile(std::string_view from, std::string_view to, std::string* error = nullptr);
bool deleteFile(std::string_view windowsPath, std::string* error = nullptr);
bool makeFolder(std::string_view windowsPath, std::string* error = nullptr);
// How a raw write ended. A device that does not open, or does not take the bytes, within the
// time limit did not answer: a printer switched off behind a port with no reader.
enum class RawResult { Written, NoAnswer, Failed };
inline constexpr std::chrono::milliseconds kRawWriteLimit{3000};
// Writes raw bytes to a file or device (a printer port), appending, on a thread of its own:
// the caller waits at most `limit`, however the device behaves. A file the program makes
// under the root is private (0600).
RawResult writeRawWithin(std::string_view windowsPathOrDevice, std::string_view bytes, std::chrono::milliseconds limit,
                         std::string* error = nullptr);
bool writeRaw(std::string_view windowsPathOrDevice, std::string_view bytes, std::string* error = nullptr);

// What the program makes for itself (stores, printouts, exports, card records, the station's
// folder) is for its own account only: folders 0700, files 0600. A share mapped under the root's
// unc folder, or any folder the program did not make (another file system mounted there, a folder
// of another account), keeps the modes its owner gave: stations share their data through it.
bool keptPrivate(const std::filesystem::path& onThisMachine);
// Makes a folder and its missing parents on this machine, those it makes private where
// keptPrivate says so.
bool makeFolders(const std::filesystem::path& folder, std::string* error = nullptr);
// Gives a file the program has just made its private mode (0600), where keptPrivate says so.
void makeFilePrivate(const std::filesystem::path& file);

// Windows wildcard match of a file name: * and ?, without regard to case.
bool wildcardMatch(std::string_view name, std::string_view pattern);

}  // namespace pelk::os
