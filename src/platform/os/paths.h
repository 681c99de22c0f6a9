#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::os {

// The fixed program folder, with its closing backslash, as stored data and screens write it.
inline constexpr const char* kProgramFolder = "C:\\Program Files\\Pelk POS 4\\";

// The folder on this machine that stands for the Windows machine: C:\ lies under it, a
// share \\server\share\ under its unc/server/share/. Default ~/.local/share/pelkpos;
// PELKPOS_ROOT overrides; tests set their own.
std::filesystem::path rootFolder();
void setRootFolder(const std::filesystem::path& root);

// The program folder followed by a file name.
std::string programPath(std::string_view fileName);

// Joins Windows path parts with exactly one backslash between them.
std::string joinPath(std::string_view a, std::string_view b);
template <typename... Rest>
std::string joinPath(std::string_view a, std::string_view b, Rest&&... rest) {
    return joinPath(joinPath(a, b), std::forward<Rest>(rest)...);
}

// Maps a Windows path onto this machine. Each existing part is matched without regard to
// case, as Windows does; parts that do not exist yet keep the spelling given. Forward
// slashes count as backslashes. A path that is neither a drive nor a share path is taken
// relative to the program folder. ".." never climbs above the drive's root or the share
// (as on Windows), so the path mapped always lies under the root folder.
std::filesystem::path mapPath(std::string_view windowsPath);
// Whether a typed path's ".." would climb above its drive's root or its share: screens refuse
// such a path rather than let it name a place its typist did not mean.
bool climbsAboveItsRoot(std::string_view windowsPath);

// The folders this program keeps its own things in, under the root.
std::filesystem::path spoolFolder();    // printouts (PDF and transcripts)
std::filesystem::path exportFolder();   // spreadsheets
std::filesystem::path stationFolder();  // the station's own settings (first-start marker, registry)

}  // namespace pelk::os
