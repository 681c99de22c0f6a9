// The widgets of combo boxes, list boxes and file lists (control_view.h).
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <algorithm>
#include <map>
#include <memory>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/renderers_internal.h"
#include "platform/ui/controls.h"
#include "platform/ui/file_list_box.h"

namespace pelk::qt {

namespace {

using detail::toQtPos;

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

void registerListRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::ComboBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ComboView>(static_cast<ui::ComboBox&>(c), new ComboWidget(parent));
    };
    t[K::ListBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ListView>(static_cast<ui::ListBox&>(c), new QListWidget(parent));
    };
    // The file list is a list of its files.
    t[K::FileListBox] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<ListView>(static_cast<ui::FileListBox&>(c), new QListWidget(parent));
    };
}

}  // namespace pelk::qt
