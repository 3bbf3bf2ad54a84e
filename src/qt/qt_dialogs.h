#pragma once
// The standard dialogs of the Qt Platform.

#include <QStringList>
#include <string>
#include <string_view>

#include "form/dialog_requests.h"

class QWidget;

namespace vexilor {

// A QMessageBox with the request's buttons, icon and default button. Closing
// it without a button gives Cancel, else No, else OK, whichever it offers.
MessageAnswer RunMessageBox(QWidget* parent, const MessageRequest& request);
// A QInputDialog; "" when cancelled.
std::string RunInputBox(QWidget* parent, const InputRequest& request);
// A QFileDialog; "" when cancelled. The save dialog does not ask about
// replacing a file; "no read-only box" holds always (Qt has none).
std::string RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save);

// "Desc (*.in)|*.in|All (*.*)|*.*" as Qt name filters: each description
// followed by its patterns in parentheses, unless it already ends with them.
QStringList QtNameFilters(std::string_view filter);

}  // namespace vexilor
