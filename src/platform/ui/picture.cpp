#include "platform/ui/picture.h"

#include <array>
#include <cstring>
#include <fstream>

#include "platform/os/paths.h"

namespace pelk::ui {

Picture Picture::design(std::string words, bool pressed) {
    Picture p;
    p.format_ = PictureFormat::Design;
    p.words_ = std::move(words);
    p.pressed_ = pressed;
    return p;
}

std::string Picture::text() const {
    if (!isDesign()) return path_;
    return (pressed_ ? "(design, pressed) " : "(design) ") + words_;
}

std::filesystem::path Picture::localPath() const {
    return path_.empty() ? std::filesystem::path{} : os::mapPath(path_);
}

PictureFormat pictureFormatOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return PictureFormat::None;
    std::array<unsigned char, 8> b{};
    in.read(reinterpret_cast<char*>(b.data()), b.size());
    std::size_t n = static_cast<std::size_t>(in.gcount());
    auto starts = [&](std::initializer_list<unsigned char> magic) {
        if (n < magic.size()) return false;
        std::size_t i = 0;
        for (unsigned char m : magic)
            if (b[i++] != m) return false;
        return true;
    };
    if (starts({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return PictureFormat::Png;
    if (starts({0xFF, 0xD8, 0xFF})) return PictureFormat::Jpeg;
    if (starts({'G', 'I', 'F', '8', '7', 'a'}) || starts({'G', 'I', 'F', '8', '9', 'a'})) return PictureFormat::Gif;
    if (starts({0x00, 0x00, 0x01, 0x00})) return PictureFormat::Icon;
    if (starts({'B', 'M'}) && n >= 6) return PictureFormat::Bmp;
    return PictureFormat::None;
}

std::optional<Picture> LoadPicture(std::string_view windowsPath, std::string* error) {
    if (windowsPath.empty()) return Picture{};
    std::filesystem::path local = os::mapPath(windowsPath);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(local, ec)) {
        if (error) *error = "File not found: " + std::string(windowsPath);
        return std::nullopt;
    }
    PictureFormat f = pictureFormatOf(local);
    if (f == PictureFormat::None) {
        if (error) *error = "Invalid picture: " + std::string(windowsPath);
        return std::nullopt;
    }
    return Picture(std::string(windowsPath), f);
}

}  // namespace pelk::ui
