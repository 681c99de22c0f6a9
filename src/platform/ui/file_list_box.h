#pragma once

#include <string>

#include "platform/ui/controls.h"

namespace pelk::ui {

// The legacy file list: the names of the files in the folder Path (a Windows path) that match
// Pattern ("*.*"; several patterns separated by ";"), sorted without regard to case. A click on a
// name selects it (ListIndex, FileName) and raises Click. A folder that cannot be read lists
// nothing. The list is read when Path or Pattern changes and on Refresh.
class FileListBox : public ListControl {
public:
    FileListBox(Form* form, std::string name, int index = -1);

    // Path; named apart from path(), which names the control in messages.
    const std::string& folderPath() const { return path_; }
    void setPath(std::string windowsFolder);
    const std::string& pattern() const { return pattern_; }
    void setPattern(std::string pattern);
    // The selected file's name; the empty text when none is selected.
    std::string fileName() const { return list(listIndex()); }
    // Reads the folder again, then repaints.
    void Refresh();

    const PropertyList& properties() const override;

private:
    void readFolder();
    std::string path_;
    std::string pattern_ = "*.*";
};

}  // namespace pelk::ui
