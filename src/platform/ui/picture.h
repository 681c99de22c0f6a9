#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/object.h"

namespace pelk::ui {

enum class PictureFormat { None, Bmp, Jpeg, Gif, Icon, Png };

// A picture as controls hold it: the Windows path it was loaded from (what the screens store and
// compare) and its format. The host draws it from the mapped file. The empty picture has no path.
class Picture {
public:
    Picture() = default;
    Picture(std::string windowsPath, PictureFormat format) : path_(std::move(windowsPath)), format_(format) {}
    const std::string& path() const { return path_; }
    PictureFormat format() const { return format_; }
    bool empty() const { return format_ == PictureFormat::None; }
    // The file on this machine.
    std::filesystem::path localPath() const;
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    std::string path_;
    PictureFormat format_ = PictureFormat::None;
};

// The format of a picture file by its first bytes (BMP, JPEG, GIF, icon, PNG); None for anything
// else, a missing or unreadable file included.
PictureFormat pictureFormatOf(const std::filesystem::path& file);

// The legacy LoadPicture: the picture at a Windows path, or nullopt when the file is missing or is
// no picture this program can show (`error`, when given, says which). An empty path gives the empty
// picture, which clears a control's picture.
std::optional<Picture> LoadPicture(std::string_view windowsPath = {}, std::string* error = nullptr);

namespace prop {
// A picture property reads as its Windows path and is written by loading the picture at a path.
template <class C>
Property picture(std::string name, const Picture& (C::*get)() const, void (C::*set)(const Picture&)) {
    Property p;
    p.name = std::move(name);
    p.get = [get](const Object& o, int) { return (static_cast<const C&>(o).*get)().path(); };
    p.set = [set](Object& o, int, std::string_view t) {
        std::string error;
        auto pic = LoadPicture(t, &error);
        if (!pic) throw PropertyError(error);
        (static_cast<C&>(o).*set)(*pic);
    };
    return p;
}
}  // namespace prop

}  // namespace pelk::ui
