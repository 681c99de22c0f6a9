#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/object.h"

namespace pelk::ui {

// Design: a picture of a screen's own design, drawn by the program (no file).
enum class PictureFormat { None, Bmp, Jpeg, Gif, Icon, Png, Design };

// A picture as controls hold it: the Windows path it was loaded from (what the screens store and
// compare) and its format. The host draws it from the mapped file. The empty picture has no path.
//
// A picture that belongs to a screen's design (a picture button reading "Time In", the pressed
// picture under it, a keypad digit) has no file: it is a button face carrying its words, raised or
// pressed, drawn by the host at the control's size in the control's font and colours.
class Picture {
public:
    Picture() = default;
    Picture(std::string windowsPath, PictureFormat format) : path_(std::move(windowsPath)), format_(format) {}
    static Picture design(std::string words, bool pressed = false);
    const std::string& path() const { return path_; }
    PictureFormat format() const { return format_; }
    bool empty() const { return format_ == PictureFormat::None; }
    bool isDesign() const { return format_ == PictureFormat::Design; }
    // A design picture's words and whether it is the pressed face.
    const std::string& words() const { return words_; }
    bool pressed() const { return pressed_; }
    // As the Picture property reads: the path of a file, "(design) WORDS" or
    // "(design, pressed) WORDS" for a design picture, "" for none.
    std::string text() const;
    // The file on this machine.
    std::filesystem::path localPath() const;
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    std::string path_;
    PictureFormat format_ = PictureFormat::None;
    std::string words_;
    bool pressed_ = false;
};

// The format of a picture file by its first bytes (BMP, JPEG, GIF, icon, PNG); None for anything
// else, a missing or unreadable file included.
PictureFormat pictureFormatOf(const std::filesystem::path& file);

// The legacy LoadPicture: the picture at a Windows path, or nullopt when the file is missing or is
// no picture this program can show (`error`, when given, says which). An empty path gives the empty
// picture, which clears a control's picture.
std::optional<Picture> LoadPicture(std::string_view windowsPath = {}, std::string* error = nullptr);

namespace prop {
// A picture property reads as its Windows path (a design picture as its words, Picture::text) and
// is written by loading the picture at a path.
template <class C>
Property picture(std::string name, const Picture& (C::*get)() const, void (C::*set)(const Picture&)) {
    Property p;
    p.name = std::move(name);
    p.get = [get](const Object& o, int) { return (static_cast<const C&>(o).*get)().text(); };
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
