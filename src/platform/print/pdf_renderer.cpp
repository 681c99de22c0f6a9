#include "platform/print/pdf_renderer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/text.h"

#if __has_include(<QtGui/QPdfWriter>)
#include <QtCore/QMarginsF>
#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QGuiApplication>
#include <QtGui/QPageSize>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#define PELK_PRINT_HAS_QT 1
#endif

namespace pelk::print::detail {

namespace {

// Dynamic initialisation runs on the thread that starts the program: the only thread allowed
// to make the application object.
const std::thread::id kStartThread = std::this_thread::get_id();

bool isMonospaced(std::string_view legacyName) {
    std::string n = core::text::lower(legacyName);
    for (std::string_view w : {"courier", "mono", "console", "fixed", "terminal", "typewriter"}) {
        if (n.find(w) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

std::string substituteFont(std::string_view legacyName) {
    return isMonospaced(legacyName) ? "DejaVu Sans Mono" : "DejaVu Sans";
}

#ifdef PELK_PRINT_HAS_QT

namespace {

constexpr double kMarginPoints = 18;  // a quarter inch: what receipt and page printers both can reach

int dotsPerInch(int printQuality) {
    if (printQuality > 0) return std::clamp(printQuality, 72, 1200);
    switch (printQuality) {
        case -1:
            return 150;
        case -2:
            return 200;
        case -4:
            return 600;
        default:
            return 300;
    }
}

// QPdfWriter needs a GUI application for its fonts. The Qt host makes one at start; a
// headless run (tests, road scripts) gets one here, drawn off screen when there is no display.
std::string ensureApplication() {
    if (auto* app = QCoreApplication::instance()) {
        return qobject_cast<QGuiApplication*>(app) ? std::string() : "The program has no GUI application for fonts.";
    }
    if (std::this_thread::get_id() != kStartThread) return "Printing must start on the program's main thread.";
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    static int argc = 1;
    static char name[] = "pelkpos";
    static std::array<char*, 2> argv{name, nullptr};
    // Never destroyed: tearing Qt down among the program's static destructors is not safe.
    new QGuiApplication(argc, argv.data());
    return {};
}

// The print server names papers its own way ("A4", "iso_a4_210x297mm", "na_letter_8.5x11in").
QPageSize::PageSizeId pageSizeFor(std::string_view paper) {
    std::string p = core::text::lower(paper);
    static const std::array<std::pair<std::string_view, QPageSize::PageSizeId>, 11> kKnown{{
        {"a3", QPageSize::A3},
        {"a4", QPageSize::A4},
        {"a5", QPageSize::A5},
        {"a6", QPageSize::A6},
        {"b5", QPageSize::B5},
        {"letter", QPageSize::Letter},
        {"legal", QPageSize::Legal},
        {"executive", QPageSize::Executive},
        {"tabloid", QPageSize::Tabloid},
        {"ledger", QPageSize::Ledger},
        {"folio", QPageSize::Folio},
    }};
    std::string_view key = p;
    if (key.starts_with("iso_") || key.starts_with("na_") || key.starts_with("jis_")) {
        key.remove_prefix(key.find('_') + 1);
        key = key.substr(0, key.find('_'));
    }
    for (auto [name, id] : kKnown) {
        if (key == name) return id;
    }
    return QPageSize::Letter;
}

QFont fontFor(const PrintedLine& line) {
    QFont f;
    // The Chinese font comes second, for the characters the first one lacks.
    f.setFamilies({QString::fromStdString(substituteFont(line.fontName)), QStringLiteral("WenQuanYi Micro Hei")});
    f.setStyleHint(isMonospaced(line.fontName) ? QFont::TypeWriter : QFont::SansSerif);
    f.setPointSizeF(line.fontSize > 0 ? line.fontSize : 10);
    f.setBold(line.bold);
    return f;
}

}  // namespace

std::string prepareRenderer() { return ensureApplication(); }

std::string renderPdf(const std::vector<PrintedLine>& lines, int printQuality, const std::filesystem::path& file,
                      const std::string& title, std::string_view paper) {
    if (std::string why = ensureApplication(); !why.empty()) return why;
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setPageSize(QPageSize(pageSizeFor(paper)));
    writer.setPageMargins(QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints), QPageLayout::Point);
    writer.setResolution(dotsPerInch(printQuality));
    writer.setCreator(QStringLiteral("Pelk POS"));
    writer.setTitle(QString::fromStdString(title));

    QPainter painter;
    if (!painter.begin(&writer)) return "Cannot write " + file.string();
    const double pageHeight = writer.height();
    const double pageWidth = writer.width();
    double y = 0;
    // A folio prints hundreds of lines in three or four styles: each style's font and metrics are
    // made once.
    struct Style {
        std::string name;
        double size;
        bool bold;
        QFont font;
        std::optional<QFontMetricsF> metrics;
    };
    std::vector<Style> styles;
    auto styleOf = [&](const PrintedLine& line) -> Style& {
        for (Style& s : styles)
            if (s.size == line.fontSize && s.bold == line.bold && s.name == line.fontName) return s;
        Style& s = styles.emplace_back(Style{line.fontName, line.fontSize, line.bold, fontFor(line), std::nullopt});
        s.metrics.emplace(s.font, &writer);
        return s;
    };
    painter.setPen(Qt::black);
    for (const auto& line : lines) {
        Style& style = styleOf(line);
        QFont font = style.font;
        const QString text = QString::fromStdString(line.text);
        double wide = style.metrics->horizontalAdvance(text);
        std::optional<QFontMetricsF> shrunk;
        // A line that would run off the paper is drawn smaller, never cut: the folio's rules
        // are wider than a page's printable width in the size the screens print them.
        for (int tries = 0; tries < 4 && wide > pageWidth; ++tries) {
            font.setPointSizeF(font.pointSizeF() * pageWidth / wide * 0.995);
            shrunk.emplace(font, &writer);
            wide = shrunk->horizontalAdvance(text);
        }
        const QFontMetricsF& fm = shrunk ? *shrunk : *style.metrics;
        const double height = fm.lineSpacing();
        if (y > 0 && y + height > pageHeight) {
            writer.newPage();
            y = 0;
        }
        const double baseline = y + fm.ascent();
        painter.setFont(font);
        painter.drawText(QPointF(0, baseline), text);
        if (line.underline) {
            // Drawn by hand: the folio draws its rules as underlined blanks, which a text
            // underline leaves out at the end of a line.
            const double thickness = std::max(fm.lineWidth(), 1.0);
            painter.fillRect(QRectF(0, baseline + fm.underlinePos(), wide, thickness), Qt::black);
        }
        y += height;
    }
    if (!painter.end()) return "Cannot write " + file.string();
    return {};
}

#else

std::string prepareRenderer() { return "This program was built without its PDF renderer."; }

std::string renderPdf(const std::vector<PrintedLine>&, int, const std::filesystem::path&, const std::string&,
                      std::string_view) {
    return "This program was built without its PDF renderer.";
}

#endif

}  // namespace pelk::print::detail
