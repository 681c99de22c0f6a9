#pragma once

// What the renderers of the built-in kinds share (renderers.cpp).
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

class QPainter;

namespace pelk::qt::detail {

// ---- Positions in a text: the runtime counts characters, a line break "\r\n" as two; a Qt
// widget counts UTF-16 units, a line break (shown as "\n") as one.
QString shownText(std::string_view text);
int toQtPos(std::string_view text, int chars);
int toCharPos(std::string_view text, int units);

Qt::Alignment alignmentOf(int legacy);

// A picture's size on this screen: a picture's pixel is 15 twips.
QSize shownSize(const QPixmap& pm);

// A caption as the classic desktop draws it: in the text colour, or etched in grey when the control
// is disabled (a white copy one pixel down and right under the grey one).
void drawCaption(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& colour, bool enabled);

}  // namespace pelk::qt::detail
