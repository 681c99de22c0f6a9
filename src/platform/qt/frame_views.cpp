// The widgets of frames and lines (control_view.h).
#include <QPainter>
#include <QPen>
#include <QStyle>
#include <algorithm>
#include <map>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/ui/controls.h"

namespace pelk::qt {

namespace {

// ---- Frames and lines

class FrameWidget : public QWidget {
public:
    using QWidget::QWidget;
    QString caption;
    bool border = true;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!border) return;
        QPainter p(this);
        QFontMetrics fm(font());
        int top = caption.isEmpty() ? 0 : fm.height() / 2;
        QRect box = rect().adjusted(0, top, -2, -2);
        // An etched edge: a shadow line and a light line beside it.
        p.setPen(systemColor(16));
        p.drawRect(box);
        p.setPen(systemColor(20));
        p.drawRect(box.translated(1, 1));
        if (caption.isEmpty()) return;
        QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
        p.fillRect(text, palette().color(QPalette::Window));
        style()->drawItemText(&p, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), caption,
                              QPalette::WindowText);
    }
};

class FrameView : public ControlView {
public:
    FrameView(ui::Frame& frame, FrameWidget* w) : ControlView(frame, w), frame_(frame), w_(w) {
        forwardPointer(*this, w);
    }
    void update(std::string_view p) override {
        if (p.empty() || p == "Caption") w_->caption = toQString(frame_.caption());
        if (p.empty() || p == "BorderStyle") w_->border = frame_.borderStyle() != 0;
        w_->update();
    }
    // The caption stands in one line on the top edge, between 8 pixels in from the left and the
    // right edge.
    std::vector<Words> words() const override {
        QString shown = withoutMnemonic(toStd(w_->caption));
        if (shown.isEmpty() || !w_->border) return {};
        return {{shown, QRect(10, 0, w_->width() - 12, w_->fontMetrics().height()), false, false,
                 Qt::AlignLeft | Qt::AlignTop}};
    }

private:
    ui::Frame& frame_;
    FrameWidget* w_;
};

std::unique_ptr<ControlView> renderFrame(ui::Control& c, QWidget* parent) {
    return std::make_unique<FrameView>(static_cast<ui::Frame&>(c), new FrameWidget(parent));
}

class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    QPoint from, to;
    QPen pen;
    bool drawn = true;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!drawn) return;
        QPainter p(this);
        p.setPen(pen);
        p.drawLine(from, to);
    }
};

class LineView : public ControlView {
public:
    LineView(ui::Line& line, LineWidget* w) : ControlView(line, w), line_(line), w_(w) {}
    void update(std::string_view) override {
        int width = std::max(1, line_.borderWidth());
        static const Qt::PenStyle kStyles[] = {Qt::NoPen,       Qt::SolidLine,      Qt::DashLine, Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
        int style = std::clamp(line_.borderStyle(), 0, 6);
        w_->drawn = style != 0;
        w_->pen = QPen(toQColor(line_.borderColor()), width, kStyles[style]);
        QPoint a(twips().toPixels(line_.x1()), twips().toPixels(line_.y1()));
        QPoint b(twips().toPixels(line_.x2()), twips().toPixels(line_.y2()));
        QRect bounds = QRect(a, b).normalized().adjusted(-width, -width, width + 1, width + 1);
        w_->from = a - bounds.topLeft();
        w_->to = b - bounds.topLeft();
        w_->setGeometry(bounds);
        w_->update();
    }
    bool usesBackColor() const override { return false; }
    bool placesItself() const override { return true; }

private:
    ui::Line& line_;
    LineWidget* w_;
};

}  // namespace

void registerFrameRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::Frame] = renderFrame;
    t[K::Line] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<LineView>(static_cast<ui::Line&>(c), new LineWidget(parent));
    };
}

}  // namespace pelk::qt
