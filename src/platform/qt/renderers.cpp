// The widgets of the built-in control kinds. Each kind is one renderer: a widget, a view that
// brings it up to date with the control, and the user's actions handed back (control_view.h).
#include <qdrawutil.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <map>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/ui/controls.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"

namespace pelk::qt {

// The grids and the calendar (grid_views.cpp).
void registerDataRenderers(std::map<ui::ControlKind, Renderer>& table);

namespace {

// ---- Positions in a text: the runtime counts characters, a line break "\r\n" as two; a Qt
// widget counts UTF-16 units, a line break (shown as "\n") as one.

QString shownText(std::string_view text) {
    QString s = toQString(text);
    s.replace("\r\n", "\n");
    return s;
}

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

// A picture's size on this screen: a picture's pixel is 15 twips.
QSize shownSize(const QPixmap& pm) {
    if (pm.isNull()) return QSize();
    double k = 15.0 / twips().perPixel();
    return QSize(static_cast<int>(pm.width() * k + 0.5), static_cast<int>(pm.height() * k + 0.5));
}

// A caption as the classic desktop draws it: in the text colour, or etched in grey when the control
// is disabled (a white copy one pixel down and right under the grey one).
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

// ---- Label

class LabelView : public ControlView {
public:
    LabelView(ui::Label& label, QLabel* w) : ControlView(label, w), label_(label), w_(w) {
        w->setTextFormat(Qt::PlainText);
        w->setFocusPolicy(Qt::NoFocus);
        forwardPointer(*this, w);
    }
    void update(std::string_view p) override {
        bool all = p.empty();
        if (all || p == "Caption") w_->setText(withoutMnemonic(label_.caption()));
        if (all || p == "Alignment") w_->setAlignment(alignmentOf(label_.alignment()) | Qt::AlignTop);
        if (all || p == "AutoSize" || p == "WordWrap")
            // A label wraps at its width unless it sizes itself to a single line.
            w_->setWordWrap(!label_.autoSize() || label_.wordWrap());
        if (all || p == "BorderStyle")
            w_->setFrameStyle(label_.borderStyle() == 1 ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
        if (all || p == "BackStyle" || p == "BackColor") w_->setAutoFillBackground(usesBackColor());
    }
    bool usesBackColor() const override { return label_.backStyle() != 0; }
    std::vector<Words> words() const override {
        if (w_->text().isEmpty()) return {};
        return {{w_->text(), w_->contentsRect(), w_->wordWrap(), label_.autoSize(), w_->alignment()}};
    }
    std::optional<QSize> ownSize() const override {
        if (!label_.autoSize()) return std::nullopt;
        if (!label_.wordWrap()) return w_->sizeHint();
        int width = twips().toPixels(label_.width());
        return QSize(width, w_->heightForWidth(width));
    }

private:
    ui::Label& label_;
    QLabel* w_;
};

// ---- Text boxes

class EditLine : public QLineEdit {
public:
    explicit EditLine(QWidget* parent) : QLineEdit(parent) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setDragEnabled(false);
        setAcceptDrops(false);
        setFocusPolicy(Qt::NoFocus);
    }
    std::function<void()> caretMoved;

protected:
    // Only the left button places the caret; what a line edit does with the others (pasting the
    // selection) would change the text behind the program's back.
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) QLineEdit::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton) QLineEdit::mouseMoveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        QLineEdit::mouseReleaseEvent(e);
        if (caretMoved) caretMoved();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) QLineEdit::mouseDoubleClickEvent(e);
    }
};

class EditBox : public QPlainTextEdit {
public:
    explicit EditBox(QWidget* parent) : QPlainTextEdit(parent) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        setFocusPolicy(Qt::NoFocus);
        setTabChangesFocus(false);
        viewport()->setCursor(Qt::IBeamCursor);
    }
    std::function<void()> caretMoved;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) QPlainTextEdit::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton) QPlainTextEdit::mouseMoveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        QPlainTextEdit::mouseReleaseEvent(e);
        if (caretMoved) caretMoved();
    }
    void insertFromMimeData(const QMimeData*) override {}
};

// Holds a text box's one widget over the whole of it. A layout would ask the widget's preferred
// size (the width of its font's letters) for every box of a screen, and keep a box from being
// smaller than that; the box is exactly its designed size.
class BoxHolder : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent* e) override {
        for (QObject* o : children())
            if (o->isWidgetType()) static_cast<QWidget*>(o)->setGeometry(rect());
        QWidget::resizeEvent(e);
    }
};

class TextBoxView : public ControlView {
public:
    TextBoxView(ui::TextBox& box, QWidget* w) : ControlView(box, w), box_(box) {}

    void update(std::string_view p) override {
        bool all = p.empty();
        if (all || p == "MultiLine") rebuild();
        if (line_) updateLine(p);
        if (edit_) updateBox(p);
    }
    QWidget* focusWidget() const override { return line_ ? static_cast<QWidget*>(line_) : edit_; }
    bool usesBackColor() const override { return false; }

private:
    // A text box that changes between one line and several gets the other widget.
    void rebuild() {
        bool multi = box_.multiLine();
        if ((multi && edit_) || (!multi && line_)) return;
        QWidget* host = widget();
        delete line_;
        delete edit_;
        line_ = nullptr;
        edit_ = nullptr;
        if (multi) {
            edit_ = new EditBox(host);
            edit_->caretMoved = [this] { caretToModel(edit_->textCursor().anchor(), edit_->textCursor().position()); };
            forwardPointer(*this, edit_->viewport(), true);
        } else {
            line_ = new EditLine(host);
            line_->caretMoved = [this] {
                int start = line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
                int end = line_->hasSelectedText() ? start + static_cast<int>(line_->selectedText().size())
                                                   : line_->cursorPosition();
                caretToModel(start, end);
            };
            forwardPointer(*this, line_, true);
        }
        focusWidget()->setGeometry(host->rect());
        focusWidget()->show();
    }

    // The caret the user placed becomes the box's SelStart and SelLength.
    void caretToModel(int anchor, int position) {
        if (!alive()) return;
        std::string shown = box_.passwordChar().empty() ? box_.text() : box_.displayText();
        int a = toCharPos(shown, anchor), b = toCharPos(shown, position);
        user::act(*this, [&] {
            if (!ui::input::takesInput(box_.form()) || !box_.hasFocus()) return;
            box_.setSelStart(std::min(a, b));
            box_.setSelLength(std::abs(b - a));
        });
    }

    void updateLine(std::string_view p) {
        bool all = p.empty();
        if (all || p == "Text" || p == "PasswordChar" || p == "SelStart" || p == "SelLength") {
            std::string shown = box_.displayText();
            QString text = toQString(shown);
            if (line_->text() != text) line_->setText(text);
            int start = toQtPos(shown, box_.selStart());
            int end = toQtPos(shown, box_.selStart() + box_.selLength());
            if (end > start)
                line_->setSelection(start, end - start);
            else
                line_->setCursorPosition(start);
        }
        if (all || p == "Alignment") line_->setAlignment(alignmentOf(box_.alignment()) | Qt::AlignVCenter);
        if (all || p == "BorderStyle") line_->setFrame(box_.borderStyle() != 0);
    }

    void updateBox(std::string_view p) {
        bool all = p.empty();
        if (all || p == "Text" || p == "SelStart" || p == "SelLength") {
            QString text = shownText(box_.text());
            if (edit_->toPlainText() != text) edit_->setPlainText(text);
            QTextCursor cursor = edit_->textCursor();
            cursor.setPosition(toQtPos(box_.text(), box_.selStart()));
            cursor.setPosition(toQtPos(box_.text(), box_.selStart() + box_.selLength()), QTextCursor::KeepAnchor);
            edit_->setTextCursor(cursor);
        }
        if (all || p == "ScrollBars") {
            int bars = box_.scrollBars();
            edit_->setHorizontalScrollBarPolicy(bars & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            edit_->setVerticalScrollBarPolicy(bars & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            // Without a horizontal bar the lines wrap at the box's width.
            edit_->setLineWrapMode(bars & 1 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        }
        if (all || p == "BorderStyle")
            edit_->setFrameStyle(box_.borderStyle() != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
        if (all || p == "Alignment") {
            QTextOption option = edit_->document()->defaultTextOption();
            option.setAlignment(alignmentOf(box_.alignment()));
            edit_->document()->setDefaultTextOption(option);
        }
    }

    ui::TextBox& box_;
    EditLine* line_ = nullptr;
    EditBox* edit_ = nullptr;
};

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

// ---- Lists

// Rows a fingertip can hit: at least kTouchTarget pixels tall, and the rows of an opened list at
// least as high as the box that opened it, so that a finger that fits the box fits each row too.
class TouchRows : public QStyledItemDelegate {
public:
    explicit TouchRows(QWidget* owner, QComboBox* box = nullptr) : QStyledItemDelegate(owner), box_(box) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        int height = std::max(s.height(), kTouchTarget);
        if (box_) height = std::max(height, box_->height());
        return QSize(s.width(), height);
    }

private:
    QComboBox* box_;
};

class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(QWidget* parent) : QComboBox(parent) {
        setFocusPolicy(Qt::NoFocus);
        setInsertPolicy(QComboBox::NoInsert);
        // The items are only ever shown and replaced whole: a list of texts, not an item each
        // (a list of a staff of thousands is made at once).
        setModel(new QStringListModel(this));
    }
    void setItems(const QStringList& items) { static_cast<QStringListModel*>(model())->setStringList(items); }
    // The rows are made tall when the list first opens: a delegate set earlier would make the
    // list's window with every box, and a screen shows many boxes and opens few.
    void showPopup() override {
        if (!touchRows_) {
            setItemDelegate(new TouchRows(this, this));
            touchRows_ = true;
        }
        QComboBox::showPopup();
    }

private:
    bool touchRows_ = false;
};

class ComboView : public ControlView {
public:
    ComboView(ui::ComboBox& combo, ComboWidget* w) : ControlView(combo, w), combo_(combo), w_(w) {
        QObject::connect(w, &QComboBox::activated, w, [this](int row) {
            // The handler may unload the control, and the view with it.
            std::weak_ptr<int> life = life_;
            user::select(*this, row);
            // The program may refuse the choice; the box shows what it holds.
            if (!life.expired() && alive()) update("");
        });
        w->installEventFilter(new FocusOnPress(*this, w));
    }
    void update(std::string_view p) override {
        QSignalBlocker block(w_);
        bool all = p.empty();
        if (all || p == "Style") {
            bool editable = combo_.style() != 2;
            if (w_->isEditable() != editable) {
                w_->setEditable(editable);
                if (editable) {
                    w_->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
                    w_->lineEdit()->setAcceptDrops(false);
                    w_->lineEdit()->installEventFilter(new FocusOnPress(*this, w_->lineEdit()));
                }
            }
        }
        if (all || p == "List" || p == "Style") {
            QStringList items;
            items.reserve(static_cast<qsizetype>(combo_.items().size()));
            for (const std::string& item : combo_.items()) items << toQString(item);
            w_->setItems(items);
        }
        w_->setCurrentIndex(combo_.listIndex());
        if (w_->isEditable()) {
            QString text = toQString(combo_.text());
            if (w_->lineEdit()->text() != text) w_->lineEdit()->setText(text);
            w_->lineEdit()->setCursorPosition(toQtPos(combo_.text(), combo_.selStart()));
        }
    }
    bool usesBackColor() const override { return false; }

private:
    // A press on the box gives it the focus and lets it open its list.
    class FocusOnPress : public QObject {
    public:
        FocusOnPress(ComboView& view, QObject* parent) : QObject(parent), view_(view) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress) user::focus(view_);
            return false;
        }

    private:
        ComboView& view_;
    };

    ui::ComboBox& combo_;
    ComboWidget* w_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);  // as the record grid's
};

class ListView : public ControlView {
public:
    ListView(ui::ListControl& list, QListWidget* w) : ControlView(list, w), list_(list), w_(w) {
        w->setItemDelegate(new TouchRows(w));
        w->setFocusPolicy(Qt::NoFocus);
        w->setSelectionMode(QAbstractItemView::SingleSelection);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->viewport()->installEventFilter(new Clicks(*this, w));
    }
    void update(std::string_view p) override {
        QSignalBlocker block(w_);
        bool all = p.empty();
        if (all || p == "List") {
            w_->clear();
            for (const std::string& item : list_.items()) w_->addItem(toQString(item));
        }
        if (list_.listIndex() >= 0) {
            w_->setCurrentRow(list_.listIndex());
            w_->scrollToItem(w_->currentItem());
        } else {
            w_->clearSelection();
            w_->setCurrentRow(-1);
        }
    }
    bool usesBackColor() const override { return false; }

private:
    // The list itself changes nothing: a click chooses the item through the program.
    class Clicks : public QObject {
    public:
        Clicks(ListView& view, QObject* parent) : QObject(parent), view_(view) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress) {
                auto* m = static_cast<QMouseEvent*>(e);
                int row = view_.w_->indexAt(m->position().toPoint()).row();
                if (row >= 0) {
                    // The handler may unload the control, and the view with it.
                    std::weak_ptr<int> life = view_.life_;
                    user::select(view_, row);
                    if (!life.expired() && view_.alive()) view_.update("ListIndex");
                } else {
                    user::focus(view_);
                }
                return true;
            }
            if (e->type() == QEvent::MouseButtonDblClick) {
                user::doubleClick(view_, static_cast<QMouseEvent*>(e));
                return true;
            }
            if (e->type() == QEvent::MouseButtonRelease) {
                user::release(view_, static_cast<QMouseEvent*>(e));
                return true;
            }
            return e->type() == QEvent::MouseMove;
        }

    private:
        ListView& view_;
    };

    ui::ListControl& list_;
    QListWidget* w_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);  // as the record grid's
};

}  // namespace

void registerBuiltInRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::Label] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<LabelView>(static_cast<ui::Label&>(c), new QLabel(parent));
    };
    t[K::TextBox] = [](ui::Control& c, QWidget* parent) {
        // The box holds one widget or the other (one line, several lines) as MultiLine says.
        return std::make_unique<TextBoxView>(static_cast<ui::TextBox&>(c), new BoxHolder(parent));
    };
    t[K::CommandButton] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ButtonView>(static_cast<ui::CommandButton&>(c), new ButtonWidget(parent));
    };
    t[K::Image] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ImageView>(static_cast<ui::Image&>(c), new PictureWidget(parent));
    };
    t[K::PictureBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<PictureBoxView>(static_cast<ui::PictureBox&>(c), new PictureWidget(parent));
    };
    t[K::CheckBox] = renderCheckBox;
    t[K::OptionButton] = renderOptionButton;
    t[K::Frame] = renderFrame;
    t[K::Line] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<LineView>(static_cast<ui::Line&>(c), new LineWidget(parent));
    };
    t[K::ComboBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ComboView>(static_cast<ui::ComboBox&>(c), new ComboWidget(parent));
    };
    t[K::ListBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ListView>(static_cast<ui::ListBox&>(c), new QListWidget(parent));
    };
    // The file list is a list of its files; the rich text box shows its plain text as a text box
    // of many lines.
    t[K::FileListBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ListView>(static_cast<ui::FileListBox&>(c), new QListWidget(parent));
    };
    t[K::RichTextBox] = t[K::TextBox];
    registerDataRenderers(t);
    // Nothing shows at run time (menu items show on the menu bar).
    auto nothing = [](ui::Control&, QWidget*) { return std::unique_ptr<ControlView>(); };
    t[K::Timer] = nothing;
    t[K::CommonDialog] = nothing;
    t[K::Menu] = nothing;
}

}  // namespace pelk::qt
