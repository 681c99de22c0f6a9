#include "platform/qt/look.h"

#include <QFontDatabase>
#include <QHash>
#include <QPixmapCache>
#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "platform/core/text.h"

namespace pelk::qt {

int Twips::toPixels(double twips) const { return static_cast<int>(std::lround(twips / perPixel_)); }

QRect Twips::toRect(double left, double top, double width, double height) const {
    // Both edges are rounded, so controls that touch in twips touch on the screen.
    int x = toPixels(left), y = toPixels(top);
    int w = std::max(0, toPixels(left + width) - x);
    int h = std::max(0, toPixels(top + height) - y);
    return QRect(x, y, w, h);
}

QColor systemColor(int index) {
    // The classic desktop scheme, as GetSysColor gives it.
    static constexpr std::array<unsigned, 25> kScheme = {
        0xD4D0C8,  // 0 scroll bars
        0x3A6EA5,  // 1 desktop
        0x0A246A,  // 2 active title bar
        0x808080,  // 3 inactive title bar
        0xD4D0C8,  // 4 menu bar
        0xFFFFFF,  // 5 window background
        0x000000,  // 6 window frame
        0x000000,  // 7 menu text
        0x000000,  // 8 window text
        0xFFFFFF,  // 9 active title bar text
        0xD4D0C8,  // 10 active border
        0xD4D0C8,  // 11 inactive border
        0x808080,  // 12 application workspace
        0x0A246A,  // 13 highlight
        0xFFFFFF,  // 14 highlighted text
        0xD4D0C8,  // 15 button face
        0x808080,  // 16 button shadow
        0x808080,  // 17 disabled text
        0x000000,  // 18 button text
        0xD4D0C8,  // 19 inactive title bar text
        0xFFFFFF,  // 20 button highlight
        0x404040,  // 21 3D dark shadow
        0xD4D0C8,  // 22 3D light
        0x000000,  // 23 tool tip text
        0xFFFFE1,  // 24 tool tip background
    };
    if (index < 0 || index >= static_cast<int>(kScheme.size())) return QColor(0, 0, 0);
    return QColor(QRgb(kScheme[static_cast<std::size_t>(index)]));
}

QColor toQColor(ui::Color c) {
    if (c & 0x80000000) return systemColor(static_cast<int>(c & 0xFF));
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

namespace {

// Faces with the metrics of the fonts the screens were designed in, so a caption fits wherever it
// fitted: Liberation Sans, Serif and Mono are metric-compatible with Arial, Times New Roman and
// Courier New. MS Sans Serif has no such twin; of the faces installed, WenQuanYi Micro Hei's Latin
// letters come closest to its narrow widths and its 13-pixel line (the alphabet in both cases at
// 8.25 points: 316 pixels, Liberation Sans 333, DejaVu Sans 353).
constexpr const char* kSans = "Liberation Sans";
constexpr const char* kMsSans = "WenQuanYi Micro Hei";
constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kMono = "Liberation Mono";
constexpr const char* kChinese = "WenQuanYi Micro Hei";
// Behind every family, for the characters it lacks.
constexpr const char* kWide = "DejaVu Sans";

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (core::text::equalsNoCase(name, n)) return true;
    return false;
}

QString substituteFor(std::string_view name) {
    // A name written in Chinese is a Chinese font.
    for (char ch : name)
        if (static_cast<unsigned char>(ch) >= 0x80) return kChinese;
    if (isOneOf(name, {"SimSun", "NSimSun", "SimHei", "SimKai", "KaiTi", "KaiTi_GB2312", "FangSong", "FangSong_GB2312",
                       "MingLiU", "PMingLiU", "MingLiU_HKSCS", "DFKai-SB", "Microsoft YaHei", "Microsoft JhengHei",
                       "SimSun-ExtB", "Arial Unicode MS"}))
        return kChinese;
    if (isOneOf(name, {"Courier New", "Courier", "Lucida Console", "Fixedsys", "Terminal", "Consolas"})) return kMono;
    if (isOneOf(name, {"Times New Roman", "Times", "MS Serif", "Roman", "Georgia", "Garamond", "Book Antiqua",
                       "Bookman Old Style", "Century", "Century Schoolbook", "Palatino Linotype"}))
        return kSerif;
    if (isOneOf(name, {"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "System"}))
        return kMsSans;
    return kSans;
}

// The key of a font in the cache below: every design value that changes the QFont.
QString fontKey(const ui::Font& font) {
    return toQString(font.name) + '|' + QString::number(font.size) + '|' + QChar(font.bold ? 'b' : '-') +
           QChar(font.italic ? 'i' : '-') + QChar(font.underline ? 'u' : '-');
}

}  // namespace

QString fontFamilyFor(std::string_view fontName) {
    // Asking fontconfig whether a family is installed is slow, and a screen asks for the same few
    // fonts for every control it shows.
    static QHash<QString, QString> known;
    QString name = toQString(core::text::trim(fontName));
    auto it = known.constFind(name);
    if (it != known.constEnd()) return *it;
    QString family =
        !name.isEmpty() && QFontDatabase::hasFamily(name) ? name : substituteFor(core::text::trim(fontName));
    known.insert(name, family);
    return family;
}

QFont toQFont(const ui::Font& font) {
    static QHash<QString, QFont> made;
    QString key = fontKey(font);
    auto it = made.constFind(key);
    if (it != made.constEnd()) return *it;
    QFont f;
    f.setFamilies({fontFamilyFor(font.name), kWide, kChinese});
    f.setPointSizeF(font.size > 0 ? font.size : 8.25);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    made.insert(key, f);
    return f;
}

QPixmap loadPixmap(const ui::Picture& picture) {
    if (picture.empty() || picture.path().empty()) return QPixmap();
    std::filesystem::path file = picture.localPath();
    std::error_code ec;
    auto stamp = std::filesystem::last_write_time(file, ec);
    if (ec) return QPixmap();
    // A picture file replaced under the same name is read again.
    QString key = QString::fromStdString(file.string()) + "|" +
                  QString::number(static_cast<qlonglong>(stamp.time_since_epoch().count()));
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    if (!pm.load(QString::fromStdString(file.string()))) return QPixmap();
    QPixmapCache::insert(key, pm);
    return pm;
}

QString toQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string toStd(const QString& s) { return s.toStdString(); }

QString withoutMnemonic(std::string_view caption) {
    QString in = toQString(caption), out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '&') {
            if (i + 1 < in.size() && in[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

}  // namespace pelk::qt
