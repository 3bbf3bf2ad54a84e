// The program as a desktop program, offscreen: Qt's standard dialogs in
// Russian, secondary windows owned by the main window, layouts that hold
// their frames and captions that fit, the keyboard, remembered places and
// the stopped file run.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include "qt/qt_dialogs.h"
#include "running_program.h"

namespace vexilor {
namespace {

// A button's text without its access-key mark.
QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

class DesktopMannersTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { run = std::make_unique<testing::RunningProgram>(); }
  void cleanup() { run.reset(); }

  void standardButtonsSpeakRussian_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QStringLiteral("Да");
    QTest::newRow("no") << int(QMessageBox::No) << QStringLiteral("Нет");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringLiteral("Отмена");
  }

  void standardButtonsSpeakRussian() {
    QFETCH(int, button);
    QFETCH(QString, text);
    QString shown;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      shown = Plain(box->button(QMessageBox::StandardButton(button))->text());
      box->button(QMessageBox::Cancel)->click();
    });
    run->platform.QtPlatform::ShowMessage({.text = "Заменить файл?",
                                           .title = "Преобразование координат",
                                           .buttons = MessageButtons::kYesNoCancel,
                                           .icon = MessageIcon::kQuestion});
    QCOMPARE(shown, text);
  }

  void fileDialogSpeaksRussian() {
    QString accept;
    QString fileTypeLabel;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      accept = Plain(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->text());
      fileTypeLabel = dialog->findChild<QLabel*>(QStringLiteral("fileTypeLabel"))->text();
      dialog->reject();
    });
    RunFileDialog(run->main, SourceFileDialog(run->folder.text()), false);
    QCOMPARE(accept, QStringLiteral("Открыть"));
    QVERIFY2(!fileTypeLabel.contains(QStringLiteral("Files of type")), qPrintable(fileTypeLabel));
  }

 private:
  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace vexilor

QTEST_MAIN(vexilor::DesktopMannersTest)
#include "desktop_manners_test.moc"
