// The widgets of labels and text boxes (control_view.h).
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/renderers_internal.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"

namespace pelk::qt {

namespace {

using detail::alignmentOf;
using detail::shownText;
using detail::toCharPos;
using detail::toQtPos;

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

}  // namespace

void registerTextRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::Label] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<LabelView>(static_cast<ui::Label&>(c), new QLabel(parent));
    };
    t[K::TextBox] = [](ui::Control& c, QWidget* parent) {
        // The box holds one widget or the other (one line, several lines) as MultiLine says.
        return std::make_unique<TextBoxView>(static_cast<ui::TextBox&>(c), new BoxHolder(parent));
    };
    // The rich text box shows its plain text as a text box of many lines.
    t[K::RichTextBox] = t[K::TextBox];
}

}  // namespace pelk::qt
