#include "platform/ui/file_list_box.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/os/files.h"

namespace pelk::ui {

FileListBox::FileListBox(Form* form, std::string name, int index)
    : ListControl(form, std::move(name), ControlKind::FileListBox, index) {}

void FileListBox::setPath(std::string windowsFolder) {
    if (windowsFolder == path_) return;
    path_ = std::move(windowsFolder);
    changed("Path");
    readFolder();
}

void FileListBox::setPattern(std::string pattern) {
    if (pattern == pattern_) return;
    pattern_ = std::move(pattern);
    changed("Pattern");
    readFolder();
}

void FileListBox::Refresh() {
    readFolder();
    Control::Refresh();
}

void FileListBox::readFolder() {
    std::vector<std::string> names;
    if (!path_.empty()) {
        std::string_view rest = pattern_;
        while (true) {
            auto semi = rest.find(';');
            std::string one = core::text::trim(rest.substr(0, semi));
            if (!one.empty())
                for (std::string& n : os::findFiles(path_, one))
                    if (std::none_of(names.begin(), names.end(), [&](const std::string& m) { return m == n; }))
                        names.push_back(std::move(n));
            if (semi == std::string_view::npos) break;
            rest.remove_prefix(semi + 1);
        }
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return core::text::lower(a) < core::text::lower(b);
    });
    Clear();
    for (std::string& n : names) AddItem(std::move(n));
}

const PropertyList& FileListBox::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    listProperties(),
                    {
                        prop::of("Path", &FileListBox::folderPath, &FileListBox::setPath),
                        prop::of("Pattern", &FileListBox::pattern, &FileListBox::setPattern),
                        prop::readOnly("FileName", &FileListBox::fileName),
                    }});
    return list;
}

}  // namespace pelk::ui
