#include "platform/qt/window_frame.h"

#include <qdrawutil.h>

#include <QEvent>
#include <QIconEngine>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <map>

#include "platform/qt/look.h"

namespace pelk::qt {

namespace {

constexpr const char* kFrameProperty = "pelkDrawnFrame";
// Thick enough to be seen against any screen behind; the title bar and its close box are sized
// for a finger.
constexpr int kBorder = 4;
constexpr int kTitleHeight = 26;
constexpr int kCloseBox = 22;

QPixmap bell(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    double s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 74, 140));
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    QColor gold(242, 190, 60);
    p.setBrush(gold);
    // The dome, its knob and the base.
    QPainterPath dome;
    dome.moveTo(s * 0.16, s * 0.70);
    dome.arcTo(QRectF(s * 0.16, s * 0.28, s * 0.68, s * 0.84), 180, -180);
    dome.closeSubpath();
    p.drawPath(dome);
    p.drawEllipse(QRectF(s * 0.43, s * 0.17, s * 0.14, s * 0.14));
    p.drawRoundedRect(QRectF(s * 0.10, s * 0.72, s * 0.80, s * 0.10), s * 0.04, s * 0.04);
    return pixmap;
}

// The title bar: the program's icon, the window's title, the close box.
class TitleBar : public QWidget {
public:
    TitleBar(QWidget* window, DrawnFrame& frame) : QWidget(window), window_(window), frame_(frame) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        bool active = window_->isActiveWindow();
        p.fillRect(rect(), systemColor(active ? 2 : 3));
        int icon = 16, y = (height() - icon) / 2;
        programIcon().paint(&p, QRect(4, y, icon, icon));
        QRect box = closeBox();
        QRect text(4 + icon + 6, 0, (box.isValid() ? box.left() : width()) - (4 + icon + 6) - 4, height());
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(systemColor(active ? 9 : 19));
        p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                   QFontMetrics(f).elidedText(window_->windowTitle(), Qt::ElideRight, text.width()));
        if (!box.isValid()) return;
        qDrawWinButton(&p, box, palette(), pressed_, &palette().brush(QPalette::Button));
        QPen cross(systemColor(18), 2);
        p.setPen(cross);
        p.setRenderHint(QPainter::Antialiasing);
        QRectF x = QRectF(box).adjusted(7, 6, -7, -8).translated(pressed_ ? 1 : 0, pressed_ ? 1 : 0);
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        if (e->button() != Qt::LeftButton) return;
        if (closeBox().contains(e->position().toPoint())) {
            pressed_ = true;
            update();
            return;
        }
        window_->raise();
        window_->activateWindow();
        grab_ = e->globalPosition().toPoint() - window_->pos();
        dragging_ = true;
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        e->accept();
        if (dragging_) window_->move(e->globalPosition().toPoint() - grab_);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        dragging_ = false;
        if (!pressed_) return;
        pressed_ = false;
        update();
        // Let go outside the box: nothing closes, as with any button.
        if (closeBox().contains(e->position().toPoint())) window_->close();
    }

private:
    QRect closeBox() const {
        if (!frame_.closable()) return {};
        int m = (height() - kCloseBox) / 2;
        return QRect(width() - kCloseBox - m, m, kCloseBox, kCloseBox);
    }

    QWidget* window_;
    DrawnFrame& frame_;
    QPoint grab_;
    bool dragging_ = false, pressed_ = false;
};

}  // namespace

namespace {
// The bell drawn at a size when that size is first asked for: most windows never show their icon
// (a borderless screen, a station without a window manager), and a start waits for no drawing.
class BellEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        int side = std::min(rect.width(), rect.height());
        if (side <= 0) return;
        QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(square, pixmap(QSize(side, side), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        int side = std::max(1, std::min(size.width(), size.height()));
        auto it = drawn_.find(side);
        if (it == drawn_.end()) it = drawn_.emplace(side, bell(side)).first;
        return it->second;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QIconEngine* clone() const override { return new BellEngine(*this); }
    QString key() const override { return QStringLiteral("pelk-bell"); }

private:
    std::map<int, QPixmap> drawn_;
};
}  // namespace

QIcon programIcon() {
    static const QIcon icon(new BellEngine);
    return icon;
}

DrawnFrame::DrawnFrame(QWidget* window) : QObject(window), window_(window) {
    bar_ = new TitleBar(window, *this);
    window->setProperty(kFrameProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    window->installEventFilter(this);
}

DrawnFrame* DrawnFrame::decorate(QWidget* window, bool titleBar, bool closable) {
    DrawnFrame* frame = of(window);
    if (!frame) {
        frame = new DrawnFrame(window);
        if (!(window->windowFlags() & Qt::FramelessWindowHint))
            window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    }
    frame->set(titleBar, closable);
    return frame;
}

DrawnFrame* DrawnFrame::of(const QWidget* window) {
    if (!window) return nullptr;
    return qobject_cast<DrawnFrame*>(window->property(kFrameProperty).value<QObject*>());
}

void DrawnFrame::remove(QWidget* window) {
    DrawnFrame* frame = of(window);
    if (!frame) return;
    window->setProperty(kFrameProperty, QVariant());
    window->removeEventFilter(frame);
    window->setContentsMargins(0, 0, 0, 0);
    delete frame->bar_;
    delete frame;
    window->update();
}

QMargins DrawnFrame::marginsFor(bool titleBar) {
    return QMargins(kBorder, kBorder + (titleBar ? kTitleHeight : 0), kBorder, kBorder);
}

void DrawnFrame::set(bool titleBar, bool closable) {
    titleBar_ = titleBar;
    closable_ = closable;
    layOut();
}

QRect DrawnFrame::titleBarRect() const { return titleBar_ ? bar_->geometry() : QRect(); }

QRect DrawnFrame::closeBoxRect() const {
    if (!titleBar_ || !closable_) return {};
    int m = (kTitleHeight - kCloseBox) / 2;
    QRect bar = titleBarRect();
    return QRect(bar.right() + 1 - kCloseBox - m, bar.top() + m, kCloseBox, kCloseBox);
}

void DrawnFrame::layOut() {
    if (!window_) return;
    if (window_->contentsMargins() != margins()) window_->setContentsMargins(margins());
    bar_->setGeometry(kBorder, kBorder, std::max(0, window_->width() - 2 * kBorder), kTitleHeight);
    bar_->setVisible(titleBar_);
    bar_->raise();
    bar_->update();
    window_->update();
}

bool DrawnFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    switch (event->type()) {
        case QEvent::Resize:
            layOut();
            break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            bar_->update();
            break;
        case QEvent::Paint: {
            // The border, drawn under whatever the window paints (its contents stay inside it).
            QPainter p(window_);
            QRect r = window_->rect();
            QPalette pal = window_->palette();
            pal.setColor(QPalette::Button, systemColor(15));
            // The classic raised edge: 3D light and white on the top left, dark shadow and
            // shadow on the bottom right.
            pal.setColor(QPalette::Light, systemColor(22));
            pal.setColor(QPalette::Midlight, systemColor(20));
            pal.setColor(QPalette::Shadow, systemColor(21));
            pal.setColor(QPalette::Dark, systemColor(16));
            qDrawWinPanel(&p, r, pal, false);
            QRegion ring =
                QRegion(r.adjusted(2, 2, -2, -2)) - QRegion(r.adjusted(kBorder, kBorder, -kBorder, -kBorder));
            for (const QRect& part : ring) p.fillRect(part, systemColor(15));
            break;
        }
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(event);
            if (k->key() == Qt::Key_F4 && (k->modifiers() & Qt::AltModifier)) {
                if (closable_ && titleBar_) window_->close();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace pelk::qt
