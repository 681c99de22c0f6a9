#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "platform/ui/control.h"
#include "platform/ui/picture.h"

// How the forms' design values become pixels, colours, fonts and pictures on this machine.
namespace pelk::qt {

// What a fingertip needs on the station's touch screen, where the platform decides a control's
// drawn size (the designs give the size of most controls, not of the rows and boxes inside them):
// rows of lists and drop-down lists, calendar days and the buttons of message and input boxes at
// least kTouchTarget pixels tall, rows of grids at least kGridRowHeight, the box or circle of a check
// box or option button at least kTouchIndicator wide and tall.
inline constexpr int kTouchTarget = 40;
inline constexpr int kGridRowHeight = 28;
inline constexpr int kTouchIndicator = 24;

// Twips and pixels: 1440 twips an inch, so 15 twips a pixel on a 96 dpi screen; a screen of
// another density keeps the forms' real size, as the legacy runtime did.
class Twips {
public:
    explicit Twips(double twipsPerPixel = 15.0) : perPixel_(twipsPerPixel) {}
    // From the screen's logical density (dots per inch).
    static Twips forDpi(double dpi) { return Twips(dpi > 0 ? 1440.0 / dpi : 15.0); }
    double perPixel() const { return perPixel_; }
    int toPixels(double twips) const;
    double toTwips(int pixels) const { return pixels * perPixel_; }
    QRect toRect(double left, double top, double width, double height) const;

private:
    double perPixel_;
};

// A colour value &H00BBGGRR, or a system colour &H8000000x resolved to the classic desktop scheme
// the screens were drawn against (&H8000000F button face, &H80000001 desktop, …).
QColor toQColor(ui::Color c);
// The system colour of index 0 … 24 (&H80000000 + index).
QColor systemColor(int index);

// The family that shows a font name here: the font itself where this machine has it, else its
// metric-compatible substitute: Liberation Sans for Arial, Liberation Serif for Times New Roman,
// Liberation Mono for Courier New, WenQuanYi Micro Hei for MS Sans Serif (the installed face of
// the nearest widths) and the Chinese fonts.
// Each name is looked up once.
QString fontFamilyFor(std::string_view fontName);
// The font of a control: the family above with DejaVu Sans and WenQuanYi Micro Hei behind it, so
// a character the family lacks (Chinese in a Western font) still shows. Made once per face, size
// and style.
QFont toQFont(const ui::Font& font);

// The picture drawn from its mapped Windows path; the null pixmap when it has none, or its file is
// missing or unreadable (the control then shows no picture, and nothing is reported).
QPixmap loadPixmap(const ui::Picture& picture);

QString toQString(std::string_view s);
std::string toStd(const QString& s);
// A caption as shown: "&&" is one "&", a single "&" only marks the access key and is not shown.
QString withoutMnemonic(std::string_view caption);

}  // namespace pelk::qt
