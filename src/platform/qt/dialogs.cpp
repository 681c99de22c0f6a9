#include "platform/qt/dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "platform/print/printers.h"
#include "platform/qt/application.h"
#include "platform/qt/look.h"
#include "platform/qt/window_frame.h"

namespace pelk::qt {

QString wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        QString line;
        bool first = true;
        for (const QString& word : paragraph.split(' ')) {
            if (first) {
                line = word;
                first = false;
            } else if (metrics.horizontalAdvance(line + ' ' + word) > width && !line.trimmed().isEmpty()) {
                lines << line;
                line = word;
            } else {
                line += ' ' + word;
            }
        }
        lines << line;
    }
    return lines.join('\n');
}

namespace {

// The width at which a message box's text goes onto its next line. A message box of Qt's own
// would break its text anywhere a line may break (inside "\\SERVER\Share\", at its backslashes)
// once it is wider than half the screen: lines shorter than that leave it nothing to break.
int messageWidth(const QWidget* parent) {
    QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    // Room for the icon and the box's margins.
    return std::max(200, std::min(screenWidth / 2, 500) - 130);
}

// A word wider than a line (a long path) stays whole as well: word joiners between its
// characters leave a wrapping of Qt's own no place to break it.
QString keepLongWordsWhole(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines = text.split('\n');
    for (QString& line : lines) {
        QStringList words = line.split(' ');
        for (QString& word : words) {
            if (word.size() < 2 || metrics.horizontalAdvance(word) <= width) continue;
            QString joined;
            for (QChar c : word) {
                if (!joined.isEmpty() && !c.isLowSurrogate()) joined += QChar(0x2060);
                joined += c;
            }
            word = joined;
        }
        line = words.join(' ');
    }
    return lines.join('\n');
}

// Buttons and list rows a fingertip can hit: the dialogs' own sizes are the desktop's, made for a
// mouse.
void fitForFingers(QDialog& dialog) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) b->setMinimumHeight(kTouchTarget);
}

class TouchRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        return QSize(s.width(), std::max(s.height(), kTouchTarget));
    }
};

}  // namespace

ui::MsgBoxResult showMessageBox(QWidget* parent, const ui::MessageBoxRequest& box) {
    lookReady();
    using R = ui::MsgBoxResult;
    QMessageBox dialog(parent);
    dialog.setWindowTitle(toQString(box.title));
    dialog.setTextFormat(Qt::PlainText);
    int width = messageWidth(parent);
    QString lines = wrapAtBlanks(toQString(box.prompt), dialog.fontMetrics(), width);
    dialog.setText(keepLongWordsWhole(lines, dialog.fontMetrics(), width));
    switch (ui::iconOf(box.style)) {
        case ui::MsgBoxIcon::Critical:
            dialog.setIcon(QMessageBox::Critical);
            break;
        case ui::MsgBoxIcon::Question:
            dialog.setIcon(QMessageBox::Question);
            break;
        case ui::MsgBoxIcon::Exclamation:
            dialog.setIcon(QMessageBox::Warning);
            break;
        case ui::MsgBoxIcon::Information:
            dialog.setIcon(QMessageBox::Information);
            break;
        case ui::MsgBoxIcon::None:
            dialog.setIcon(QMessageBox::NoIcon);
            break;
    }
    // One role for every button keeps them in the legacy order, whatever the desktop's habit, and
    // keeps Qt from choosing an escape button of its own.
    std::map<QAbstractButton*, R> answers;
    QPushButton* escape = nullptr;
    QPushButton* byDefault = nullptr;
    auto buttons = ui::buttonsOf(box.style);
    R defaultAnswer = ui::defaultAnswer(box.style);
    for (R r : buttons) {
        QPushButton* b = dialog.addButton(toQString(ui::answerName(r)), QMessageBox::ActionRole);
        answers[b] = r;
        if (r == R::Cancel || (buttons.size() == 1 && r == R::OK)) escape = b;
        if (r == defaultAnswer) byDefault = b;
    }
    dialog.setDefaultButton(byDefault);
    dialog.setEscapeButton(escape);
    fitForFingers(dialog);
    // A box without Cancel (nor OK alone) has no close box: it must be answered with a button.
    DrawnFrame::decorate(&dialog, true, escape != nullptr);
    dialog.exec();
    auto it = answers.find(dialog.clickedButton());
    if (it != answers.end()) return it->second;
    return escape ? answers[escape] : defaultAnswer;
}

std::optional<std::string> showInputBox(QWidget* parent, const ui::InputBoxRequest& box) {
    lookReady();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(toQString(box.title));
    dialog.setLabelText(toQString(box.prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(toQString(box.defaultText));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Cancel");
    fitForFingers(dialog);
    DrawnFrame::decorate(&dialog, true, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return toStd(dialog.textValue());
}

bool showPrinterSetup(QWidget* parent, const std::string& title) {
    lookReady();
    QDialog dialog(parent);
    dialog.setWindowTitle(toQString(title));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Printer:", &dialog));
    auto* list = new QListWidget(&dialog);
    list->setItemDelegate(new TouchRows(list));
    layout->addWidget(list);
    auto printers = print::printers();
    auto current = print::currentPrinter();
    for (const auto& p : printers) {
        QString line = toQString(p.DeviceName);
        if (!p.Port.empty()) line += " on " + toQString(p.Port);
        list->addItem(line);
        if (current && *current == p) list->setCurrentRow(list->count() - 1);
    }
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    fitForFingers(dialog);
    DrawnFrame::decorate(&dialog, true, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    int row = list->currentRow();
    if (row >= 0 && row < static_cast<int>(printers.size()))
        print::setCurrentPrinter(printers[static_cast<std::size_t>(row)]);
    return true;
}

}  // namespace pelk::qt
