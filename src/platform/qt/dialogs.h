#pragma once

#include <QFontMetrics>
#include <QString>
#include <optional>
#include <string>

#include "platform/ui/host.h"

class QWidget;

// The standard dialogs of the legacy runtime as Qt dialogs. Each runs until it is answered (a
// nested event loop; other windows take no input meanwhile).
namespace pelk::qt {

// The legacy message box: its buttons in the legacy order and with their legacy names, its icon,
// its default button. Escape (and the close box) answer Cancel, or OK in a box with OK alone; a
// box without either (Yes and No, Abort, Retry and Ignore) must be answered with a button.
ui::MsgBoxResult showMessageBox(QWidget* parent, const ui::MessageBoxRequest& box);
// The legacy input box: the prompt, an edit line with the default text, OK and Cancel; nullopt
// when cancelled.
std::optional<std::string> showInputBox(QWidget* parent, const ui::InputBoxRequest& box);
// The printer set-up dialog: the Printers collection (the configured printers, then the print
// server's queues as far as it answered at once), the current printer chosen. OK makes the chosen
// printer current; false when cancelled.
bool showPrinterSetup(QWidget* parent, const std::string& title);

// The text with its lines broken at blanks only, none wider than `width` where a blank allows: a
// path or a code in a message is never split. Its own line breaks stay.
QString wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace pelk::qt
