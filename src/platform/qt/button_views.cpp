// The widgets of command buttons, check boxes and option buttons (control_view.h).
#include <qdrawutil.h>

#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <functional>
#include <map>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/renderers_internal.h"
#include "platform/ui/controls.h"

namespace pelk::qt {

namespace {

using detail::drawCaption;
using detail::shownSize;

// ---- Command buttons

class ButtonWidget : public QWidget {
public:
    explicit ButtonWidget(QWidget* parent) : QWidget(parent) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
    }
    QString caption;
    QPixmap picture;
    // A picture of the screen's design: its words, and whether it is drawn pressed.
    bool design = false;
    QString designWords;
    bool designPressed = false;
    bool graphical = false;
    bool isDefault = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // The classic raised button in its face colour; the default button has a black rim.
        QColor face = palette().color(QPalette::Button);
        QRect edge = rect();
        if (isDefault) {
            p.setPen(Qt::black);
            p.drawRect(edge.adjusted(0, 0, -1, -1));
            edge.adjust(1, 1, -1, -1);
        }
        bool sunken = down_ || (graphical && design && designPressed);
        QBrush fill(face);
        qDrawWinButton(&p, edge, QPalette(face), sunken, &fill);
        QRect area = edge.adjusted(3, 2, -3, -2);
        if (sunken) area.translate(1, 1);
        bool enabled = isEnabled();
        int textHeight = caption.isEmpty() ? 0 : fontMetrics().height();
        QColor text = palette().color(QPalette::Active, QPalette::ButtonText);
        if (graphical && design) {
            // The face is the button's own; the picture's words stand above the caption, if any.
            drawCaption(p, area.adjusted(0, 0, 0, -textHeight), Qt::AlignCenter | Qt::TextWordWrap, designWords, text,
                        enabled);
        } else if (graphical && !picture.isNull()) {
            QPixmap pm = picture;
            QStyleOption opt;
            opt.initFrom(this);
            if (!enabled) pm = style()->generatedIconPixmap(QIcon::Disabled, pm, &opt);
            QSize size = shownSize(pm);
            QRect room = area.adjusted(0, 0, 0, -textHeight);
            QRect at(QPoint(0, 0), size);
            at.moveCenter(room.center());
            p.save();
            p.setClipRect(area);
            p.drawPixmap(at, pm);
            p.restore();
        }
        if (!caption.isEmpty()) {
            int flags = Qt::AlignHCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
            flags |= (graphical && (design || !picture.isNull())) ? Qt::AlignBottom : Qt::AlignVCenter;
            drawCaption(p, area, flags, caption, text, enabled);
        }
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = edge.adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }

public:
    // Where the caption and a design picture's words go (as paintEvent draws them, unpressed).
    // Inside the raised edge (two pixels) and a pixel of margin beside the words.
    QRect captionRoom() const { return (isDefault ? rect().adjusted(1, 1, -1, -1) : rect()).adjusted(3, 2, -3, -2); }
    QRect wordsRoom() const {
        int textHeight = caption.isEmpty() ? 0 : fontMetrics().height();
        return captionRoom().adjusted(0, 0, 0, -textHeight);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { setDown(e->button() == Qt::LeftButton); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { setDown(e->button() == Qt::LeftButton); }
    void mouseReleaseEvent(QMouseEvent*) override { setDown(false); }
    void hideEvent(QHideEvent*) override { down_ = false; }
    // A button disabled while it is held (by its own click) gets no release: it is let go here.
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::EnabledChange && !isEnabled()) setDown(false);
        QWidget::changeEvent(e);
    }

private:
    void setDown(bool d) {
        if (d == down_) return;
        down_ = d;
        repaint();
    }
    bool down_ = false;
};

class ButtonView : public ControlView {
public:
    ButtonView(ui::CommandButton& button, ButtonWidget* w) : ControlView(button, w), button_(button), w_(w) {
        forwardPointer(*this, w, true);
    }
    void update(std::string_view p) override {
        bool all = p.empty();
        if (all || p == "Caption") w_->caption = toQString(button_.caption());
        if (all || p == "Picture") {
            const ui::Picture& pic = button_.picture();
            w_->picture = loadPixmap(pic);
            w_->design = pic.isDesign();
            w_->designWords = toQString(pic.words());
            w_->designPressed = pic.pressed();
        }
        if (all || p == "Style") w_->graphical = button_.style() == 1;
        if (all || p == "Default") w_->isDefault = button_.isDefault();
        if (all || p == "Style" || p == "BackColor") {
            // A standard button keeps the button face; a graphical one shows its BackColor.
            QPalette pal = w_->palette();
            pal.setColor(QPalette::Button, button_.style() == 1 ? toQColor(button_.backColor()) : systemColor(15));
            w_->setPalette(pal);
        }
        w_->update();
    }
    bool usesBackColor() const override { return false; }
    std::vector<Words> words() const override {
        std::vector<Words> all;
        QString caption = withoutMnemonic(toStd(w_->caption));
        if (!caption.isEmpty()) all.push_back({caption, w_->captionRoom()});
        if (w_->graphical && w_->design && !w_->designWords.isEmpty())
            all.push_back({w_->designWords, w_->wordsRoom()});
        return all;
    }

private:
    ui::CommandButton& button_;
    ButtonWidget* w_;
};

// ---- Check boxes and option buttons: the runtime sets their value; the widget only shows it.
// The caption wraps at the control's width and stands centred beside the box, as the legacy ones
// did, where Qt's would run on in one line and be cut.

template <class Base, QStyle::PrimitiveElement Indicator>
class ValueWidget : public Base {
public:
    explicit ValueWidget(QWidget* parent) : Base(parent) { this->setFocusPolicy(Qt::NoFocus); }

    // A box or circle a fingertip can hit, and the caption 4 pixels beside it, or closer where a
    // word of the caption would not fit beside the box otherwise.
    QRect indicatorRect() const { return indicatorRect(this->width(), this->height()); }
    QRect textRect() const { return textRect(this->width(), this->height()); }
    // The height the caption takes wrapped beside the box in a widget `width` wide.
    int textHeight(int width) const {
        if (this->text().isEmpty()) return 0;
        QRect room = textRect(width, 1);
        return this->fontMetrics()
            .boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, this->text())
            .height();
    }

protected:
    static constexpr int kBox = kTouchIndicator;
    QRect indicatorRect(int width, int height) const {
        int x = this->layoutDirection() == Qt::RightToLeft ? width - kBox : 0;
        return QRect(x, (height - kBox) / 2, kBox, kBox);
    }
    QRect textRect(int width, int height) const {
        int widest = 0;
        for (const QString& word : this->text().split(' '))
            widest = std::max(widest, this->fontMetrics().boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, word).width());
        int gap = std::clamp(width - kBox - widest, 1, 4);
        QRect box = indicatorRect(width, height);
        if (this->layoutDirection() == Qt::RightToLeft) return QRect(0, 0, box.left() - gap, height);
        return QRect(box.right() + 1 + gap, 0, width - box.right() - 1 - gap, height);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionButton opt;
        this->initStyleOption(&opt);
        opt.rect = indicatorRect();
        // The box is white whatever the control's colour, as the classic one, so it reads as a
        // place to touch.
        opt.palette.setColor(QPalette::Base, systemColor(5));
        opt.palette.setColor(QPalette::Window, systemColor(5));
        this->style()->drawPrimitive(Indicator, &opt, &p, this);
        drawCaption(p, textRect(), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, this->text(),
                    this->palette().color(QPalette::Active, QPalette::WindowText), this->isEnabled());
    }
};
using CheckWidget = ValueWidget<QCheckBox, QStyle::PE_IndicatorCheckBox>;
using OptionWidget = ValueWidget<QRadioButton, QStyle::PE_IndicatorRadioButton>;

template <class W>
class ValueView : public ControlView {
public:
    ValueView(ui::Control& c, W* w, std::function<void(std::string_view)> update)
        : ControlView(c, w), w_(w), update_(std::move(update)) {
        forwardPointer(*this, w);
    }
    void update(std::string_view p) override {
        update_(p);
        w_->update();
    }
    std::vector<Words> words() const override {
        if (w_->text().isEmpty()) return {};
        return {{w_->text(), w_->textRect(), true, false, Qt::AlignLeft | Qt::AlignVCenter}};
    }
    // A box designed shorter than the indicator, or than its caption wrapped beside it, grows above
    // and below alike, so the indicator and the caption stay centred where the design put them.
    QRect reach(const QRect& box) const override {
        int missing = std::max(kTouchIndicator, w_->textHeight(box.width())) - box.height();
        return missing > 0 ? box.adjusted(0, -missing / 2, 0, missing - missing / 2) : box;
    }

private:
    W* w_;
    std::function<void(std::string_view)> update_;
};

std::unique_ptr<ControlView> renderCheckBox(ui::Control& c, QWidget* parent) {
    auto& box = static_cast<ui::CheckBox&>(c);
    auto* w = new CheckWidget(parent);
    w->setTristate(true);
    return std::make_unique<ValueView<CheckWidget>>(c, w, [&box, w](std::string_view p) {
        if (p.empty() || p == "Caption") w->setText(withoutMnemonic(box.caption()));
        if (p.empty() || p == "Value")
            w->setCheckState(box.value() == 1 ? Qt::Checked : box.value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        if (p.empty() || p == "Alignment")
            w->setLayoutDirection(box.alignment() == ui::kRightJustify ? Qt::RightToLeft : Qt::LeftToRight);
    });
}

std::unique_ptr<ControlView> renderOptionButton(ui::Control& c, QWidget* parent) {
    auto& option = static_cast<ui::OptionButton&>(c);
    auto* w = new OptionWidget(parent);
    w->setAutoExclusive(false);
    return std::make_unique<ValueView<OptionWidget>>(c, w, [&option, w](std::string_view p) {
        if (p.empty() || p == "Caption") w->setText(withoutMnemonic(option.caption()));
        if (p.empty() || p == "Value") w->setChecked(option.value());
    });
}

}  // namespace

void registerButtonRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::CommandButton] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ButtonView>(static_cast<ui::CommandButton&>(c), new ButtonWidget(parent));
    };
    t[K::CheckBox] = renderCheckBox;
    t[K::OptionButton] = renderOptionButton;
}

}  // namespace pelk::qt
