#include "qt/qt_dialogs.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "form/file_filter.h"
#include "qt/qt_text.h"
#include "qt/window_placement.h"

namespace vexilor {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::kCancel:
      return QMessageBox::Cancel;
    case MessageAnswer::kYes:
      return QMessageBox::Yes;
    case MessageAnswer::kNo:
      return QMessageBox::No;
    case MessageAnswer::kOkPressed:
      break;
  }
  return QMessageBox::Ok;
}

MessageAnswer EscapeAnswer(MessageButtons buttons) {
  for (MessageAnswer answer : {MessageAnswer::kCancel, MessageAnswer::kNo}) {
    if (Offers(buttons, answer)) return answer;
  }
  return MessageAnswer::kOkPressed;
}

// The patterns in the parentheses that end `description`, as Qt reads them.
// A message box sizes itself to its text; a blank row as wide as the title
// bar needs keeps its title whole.
void WidenForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

QString TrailingPatterns(const QString& description) {
  if (!description.endsWith(QLatin1Char(')'))) return {};
  const qsizetype open = description.lastIndexOf(QLatin1Char('('));
  return open < 0 ? QString() : description.mid(open + 1, description.size() - open - 2);
}

// A name typed without an extension takes that of the kind chosen in the
// filter ("Путевые точки GPX (*.gpx)"), or `fallback` for a filter of
// several kinds or of every file.
void FollowChosenKind(QFileDialog& dialog, const QString& fallback) {
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, fallback](const QString& filter) {
    static const QRegularExpression kOneKind(QStringLiteral(R"(\(\*\.(\w+)\)$)"));
    const QRegularExpressionMatch match = kOneKind.match(filter);
    dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : fallback);
  });
}

}  // namespace

MessageAnswer RunMessageBox(QWidget* parent, const MessageRequest& request) {
  QMessageBox box(ToQtIcon(request.icon), ToQt(request.title), DisplayText(request.text, true),
                  QMessageBox::NoButton, parent);
  for (MessageAnswer answer : ButtonAnswers(request.buttons)) box.addButton(ToQtButton(answer));
  box.setDefaultButton(ToQtButton(DefaultAnswer(request.buttons, request.defaultButton)));
  WidenForTitle(box);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  for (MessageAnswer answer : ButtonAnswers(request.buttons)) {
    if (clicked != nullptr && clicked == box.button(ToQtButton(answer))) return answer;
  }
  return EscapeAnswer(request.buttons);
}

std::string RunInputBox(QWidget* parent, const InputRequest& request) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(ToQt(request.title));
  dialog.setLabelText(DisplayText(request.prompt, true));
  dialog.setTextValue(ToQt(request.defaultText));
  dialog.setMinimumWidth(TitleBarWidth(dialog.windowTitle()));
  if (dialog.exec() != QDialog::Accepted) return {};
  return FromQt(dialog.textValue());
}

std::string RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, ToQt(request.title), ToQt(request.initialFolder));
  dialog.setNameFilters(QtNameFilters(request.filter));
  dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  FollowChosenKind(dialog, ToQt(request.defaultExtension));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!save && request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!request.fileName.empty()) dialog.selectFile(ToQt(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return FromQt(dialog.selectedFiles().constFirst());
}

QStringList QtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QStringList patterns;
    for (const std::string& pattern : entry.patterns) patterns << ToQt(pattern);
    const QString description = ToQt(entry.description);
    const QString trailing = TrailingPatterns(description);
    QString spaced = trailing;
    spaced.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns in the parentheses separated by blanks only.
    const bool endsWithPatterns = spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts) == patterns;
    filters << (endsWithPatterns ? description.chopped(trailing.size() + 1) + spaced + ')'
                                 : description + QStringLiteral(" (") + patterns.join(' ') + ')');
  }
  return filters;
}

}  // namespace vexilor
