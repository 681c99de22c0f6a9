// The widgets of the built-in control kinds. Each kind is one renderer: a widget, a view that
// brings it up to date with the control, and the user's actions handed back (control_view.h).
// The kinds have files of their own (text_views.cpp, button_views.cpp, picture_views.cpp,
// frame_views.cpp, list_views.cpp, grid_views.cpp); here is what they share and the table of them.
#include <QPainter>
#include <map>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/renderers_internal.h"
#include "platform/ui/controls.h"

namespace pelk::qt {

// The grids and the calendar (grid_views.cpp).
void registerDataRenderers(std::map<ui::ControlKind, Renderer>& table);
// Labels and text boxes (text_views.cpp).
void registerTextRenderers(std::map<ui::ControlKind, Renderer>& table);
// Command buttons, check boxes and option buttons (button_views.cpp).
void registerButtonRenderers(std::map<ui::ControlKind, Renderer>& table);
// Images and picture boxes (picture_views.cpp).
void registerPictureRenderers(std::map<ui::ControlKind, Renderer>& table);
// Frames and lines (frame_views.cpp).
void registerFrameRenderers(std::map<ui::ControlKind, Renderer>& table);
// Combo boxes and lists (list_views.cpp).
void registerListRenderers(std::map<ui::ControlKind, Renderer>& table);

namespace detail {

namespace {

template <class F>
void walk(std::string_view text, F&& each) {
    // each(characterIndex, qtIndex) before every character, and once at the end.
    int chars = 0, units = 0;
    for (std::size_t i = 0; i < text.size();) {
        each(chars, units);
        auto b = static_cast<unsigned char>(text[i]);
        if (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            chars += 2;
            units += 1;
            i += 2;
            continue;
        }
        std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        chars += 1;
        units += n == 4 ? 2 : 1;
        i += n;
    }
    each(chars, units);
}

}  // namespace

QString shownText(std::string_view text) {
    QString s = toQString(text);
    s.replace("\r\n", "\n");
    return s;
}

int toQtPos(std::string_view text, int chars) {
    int found = -1, last = 0;
    walk(text, [&](int c, int u) {
        if (found < 0 && c >= chars) found = u;
        last = u;
    });
    return found < 0 ? last : found;
}

int toCharPos(std::string_view text, int units) {
    int found = -1, last = 0;
    walk(text, [&](int c, int u) {
        if (found < 0 && u >= units) found = c;
        last = c;
    });
    return found < 0 ? last : found;
}

Qt::Alignment alignmentOf(int legacy) {
    switch (legacy) {
        case ui::kRightJustify:
            return Qt::AlignRight;
        case ui::kCenter:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

QSize shownSize(const QPixmap& pm) {
    if (pm.isNull()) return QSize();
    double k = 15.0 / twips().perPixel();
    return QSize(static_cast<int>(pm.width() * k + 0.5), static_cast<int>(pm.height() * k + 0.5));
}

void drawCaption(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& colour, bool enabled) {
    p.save();
    if (enabled) {
        p.setPen(colour);
        p.drawText(r, flags, text);
    } else {
        p.setPen(systemColor(20));
        p.drawText(r.translated(1, 1), flags, text);
        p.setPen(systemColor(16));
        p.drawText(r, flags, text);
    }
    p.restore();
}

}  // namespace detail

void registerBuiltInRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    registerTextRenderers(t);
    registerButtonRenderers(t);
    registerPictureRenderers(t);
    registerFrameRenderers(t);
    registerListRenderers(t);
    registerDataRenderers(t);
    // Nothing shows at run time (menu items show on the menu bar).
    auto nothing = [](ui::Control&, QWidget*) { return std::unique_ptr<ControlView>(); };
    t[K::Timer] = nothing;
    t[K::CommonDialog] = nothing;
    t[K::Menu] = nothing;
}

}  // namespace pelk::qt
