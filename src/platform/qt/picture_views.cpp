// The widgets of images and picture boxes (control_view.h).
#include <qdrawutil.h>

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <map>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/renderers_internal.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace pelk::qt {

namespace {

using detail::drawCaption;
using detail::shownSize;

// A design picture whose words are one sign (a hand, an arrow): an icon, not words.
bool isSign(const QString& words) {
    QList<uint> codes = words.trimmed().toUcs4();
    return codes.size() == 1 && !QChar::isLetterOrNumber(static_cast<char32_t>(codes[0]));
}

// A picture of the screen's design (ui::Picture::design): its words on a button face in the
// screen's colours, raised, or sunken for the pressed picture, at the size it is given. A sign is
// drawn as large as the picture, on the screen's colour, as the icon it stands for.
void drawDesignPicture(QPainter& p, const QRect& r, const QString& words, bool pressed, const QColor& face,
                       const QColor& text, bool enabled, bool withEdge = true) {
    if (isSign(words)) {
        p.fillRect(r, face);
        p.save();
        QFont big = p.font();
        big.setPixelSize(std::max(1, std::min(r.height(), r.width()) * 4 / 5));
        p.setFont(big);
        drawCaption(p, r, Qt::AlignCenter, words.trimmed(), text, enabled);
        p.restore();
        return;
    }
    QRect inside = r;
    if (withEdge) {
        QBrush fill(face);
        qDrawWinButton(&p, r, QPalette(face), pressed, &fill);
        inside = r.adjusted(3, 3, -3, -3);
        if (pressed) inside.translate(1, 1);
    } else {
        p.fillRect(r, face);
    }
    drawCaption(p, inside, Qt::AlignCenter | Qt::TextWordWrap, words, text, enabled);
}

// ---- Pictures: the image control and the picture box

class PictureWidget : public QWidget {
public:
    using QWidget::QWidget;
    QPixmap picture;
    bool stretch = false;
    bool border = false;
    bool sunken = false;
    // A picture of the screen's design, drawn on the screen's colour (`face`).
    bool design = false;
    QString designWords;
    bool designPressed = false;
    QColor face;

    std::vector<ControlView::Words> words() const {
        if (!design || designWords.isEmpty()) return {};
        return {{designWords, inside().adjusted(3, 3, -3, -3)}};
    }

protected:
    QRect inside() const {
        int inset = border ? (sunken ? 2 : 1) : 0;
        return rect().adjusted(inset, inset, -inset, -inset);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (autoFillBackground()) p.fillRect(rect(), palette().color(QPalette::Window));
        QRect inside = this->inside();
        if (design) {
            drawDesignPicture(p, inside, designWords, designPressed, face,
                              palette().color(QPalette::Active, QPalette::WindowText), isEnabled());
        } else if (!picture.isNull()) {
            QPixmap pm = picture;
            if (!isEnabled()) {
                QStyleOption opt;
                opt.initFrom(this);
                pm = style()->generatedIconPixmap(QIcon::Disabled, pm, &opt);
            }
            p.save();
            p.setClipRect(inside);
            if (stretch)
                p.drawPixmap(inside, pm);
            else
                p.drawPixmap(QRect(inside.topLeft(), shownSize(pm)), pm);
            p.restore();
        }
        if (border) {
            if (sunken) {
                qDrawShadePanel(&p, rect(), palette(), true, 2);
            } else {
                p.setPen(Qt::black);
                p.drawRect(rect().adjusted(0, 0, -1, -1));
            }
        }
    }
};

void showPicture(PictureWidget& w, const ui::Picture& picture) {
    w.picture = loadPixmap(picture);
    w.design = picture.isDesign();
    w.designWords = toQString(picture.words());
    w.designPressed = picture.pressed();
}

class ImageView : public ControlView {
public:
    ImageView(ui::Image& image, PictureWidget* w) : ControlView(image, w), image_(image), w_(w) {
        w->setFocusPolicy(Qt::NoFocus);
        forwardPointer(*this, w);
    }
    void update(std::string_view p) override {
        bool all = p.empty();
        if (all || p == "Picture") showPicture(*w_, image_.picture());
        if (all || p == "Stretch") w_->stretch = image_.stretch();
        if (all || p == "BorderStyle") w_->border = image_.borderStyle() == 1;
        // An image has no colour of its own: its design picture is drawn on the screen's.
        w_->face = toQColor(image_.form().backColor());
        w_->update();
    }
    bool usesBackColor() const override { return false; }
    std::vector<Words> words() const override { return w_->words(); }
    // Without Stretch the image takes its picture's size, as the legacy one did; a design picture
    // is drawn at the control's size.
    std::optional<QSize> ownSize() const override {
        if (image_.stretch() || w_->picture.isNull()) return std::nullopt;
        int inset = w_->border ? 2 : 0;
        return shownSize(w_->picture) + QSize(inset, inset);
    }

private:
    ui::Image& image_;
    PictureWidget* w_;
};

class PictureBoxView : public ControlView {
public:
    PictureBoxView(ui::PictureBox& box, PictureWidget* w) : ControlView(box, w), box_(box), w_(w) {
        w->setFocusPolicy(Qt::NoFocus);
        w->sunken = true;
        forwardPointer(*this, w);
    }
    void update(std::string_view p) override {
        bool all = p.empty();
        if (all || p == "Picture") showPicture(*w_, box_.picture());
        if (all || p == "BorderStyle") w_->border = box_.borderStyle() == 1;
        w_->face = toQColor(box_.backColor());
        w_->update();
    }
    std::vector<Words> words() const override { return w_->words(); }
    std::optional<QSize> ownSize() const override {
        if (!box_.autoSize() || w_->picture.isNull()) return std::nullopt;
        int inset = w_->border ? 4 : 0;
        return shownSize(w_->picture) + QSize(inset, inset);
    }

private:
    ui::PictureBox& box_;
    PictureWidget* w_;
};

}  // namespace

void registerPictureRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::Image] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ImageView>(static_cast<ui::Image&>(c), new PictureWidget(parent));
    };
    t[K::PictureBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<PictureBoxView>(static_cast<ui::PictureBox&>(c), new PictureWidget(parent));
    };
}

}  // namespace pelk::qt
