// The generic binder and the Qt platform, driven through real widgets.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "form/form.h"
#include "text/key_filter.h"
#include "qt/help_viewer.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"
#include "gui_support.h"

namespace vexilor {
namespace {

// A small window with the kinds of controls the program's windows use.
class DemoForm : public Form {
 public:
  explicit DemoForm(Platform& platform) : Form("frmDemo", "Демонстрация") {
    txtA.OnKeyPress([this, &platform](int& key) {
      key = FilterNumericKey(key, [this, &platform] {
        ++refusedKeys;
        platform.Beep();
      });
    });
    txtA.OnChange([this] { ++changesOfA; });
    cmdCopy.OnClick([this] {
      ++copies;
      txtB.SetText(txtA.Text());
      lblInfo.SetText("Скопировано");
    });
    cboUnit.SetItems({"метры", "километры"});
    cboUnit.OnClick([this] { lblInfo.SetText(cboUnit.Text()); });
    for (Control* option : {&opt0, &opt1}) option->OnClick([this] { ++optionClicks; });
    chkScreen.OnClick([this] {
      if (screenForced) chkScreen.SetChecked(true);
    });
    mnuHelp.OnClick([this] { ++helpClicks; });
  }

  Control& mnuHelp = Add({.kind = ControlKind::kMenu, .name = "mnuHelp", .text = "С&правка"});
  Control& txtA = Add({.kind = ControlKind::kTextBox, .name = "txtA"});
  Control& txtB = Add({.kind = ControlKind::kTextBox, .name = "txtB"});
  Control& cmdCopy = Add({.kind = ControlKind::kButton,
                          .name = "cmdCopy",
                          .text = "Копировать",
                          .toolTip = "Скопировать первое поле во второе"});
  Control& cboUnit = Add({.kind = ControlKind::kCombo, .name = "cboUnit"});
  Control& lblInfo = Add({.kind = ControlKind::kLabel, .name = "lblInfo"});
  Control& fraOpt = Add({.kind = ControlKind::kFrame,
                         .name = "fraOpt",
                         .text = " Высоты "});
  Control& opt0 = Add({.kind = ControlKind::kOption,
                       .name = "optH",
                       .index = 0,
                       .text = "Нормальные",
                       .container = &fraOpt,
                       .group = "fraOpt",
                       .checked = true});
  Control& opt1 = Add({.kind = ControlKind::kOption,
                       .name = "optH",
                       .index = 1,
                       .text = "Геодезические",
                       .container = &fraOpt,
                       .group = "fraOpt"});
  Control& chkScreen = Add(
      {.kind = ControlKind::kCheck, .name = "chkScreen", .text = "На экран"});
  Control& txtPath = Add({.kind = ControlKind::kTextBox, .name = "txtPath", .fitted = true});
  Control& txtBlock = Add({.kind = ControlKind::kTextBox,
                           .name = "txtBlock",
                           .multiLine = true,
                           .fixedPitch = true});

  int refusedKeys = 0;
  int changesOfA = 0;
  int copies = 0;
  int optionClicks = 0;
  int helpClicks = 0;
  bool screenForced = false;
};

// A dialog that hides itself on OK.
class DialogForm : public Form {
 public:
  DialogForm() : Form("frmDlg", "Диалог") {
    cmdOK.OnClick([this] {
      ++oks;
      Hide();
    });
  }
  Control& cmdOK = Add({.kind = ControlKind::kButton, .name = "cmdOK", .text = "OK"});
  int oks = 0;
};

}  // namespace

class FormBinderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    platform = std::make_unique<QtPlatform>();
    demo = std::make_unique<DemoForm>(*platform);
    platform->Show(*demo);
    window = platform->WindowOf(*demo);
    QVERIFY(window != nullptr);
  }

  void cleanup() {
    platform.reset();  // the windows go first; the forms outlive them
    demo.reset();
    dialog.reset();
  }

  void typingGoesThroughTheKeyFilterAndChange() {
    auto* edit = Widget<QLineEdit>("txtA");
    QTest::keyClicks(edit, "12,5a");
    QCOMPARE(demo->txtA.Text(), std::string("125"));
    QCOMPARE(edit->text(), QStringLiteral("125"));
    QCOMPARE(demo->refusedKeys, 2);
    QCOMPARE(demo->changesOfA, 3);
    QCOMPARE(demo->txtA.Selection().start, 3);

    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("25"));
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(demo->txtA.Text(), std::string("5"));
    QCOMPARE(edit->text(), QStringLiteral("5"));
  }

  void pastedTextReachesTheModel() {
    auto* edit = Widget<QLineEdit>("txtB");
    edit->setText(QStringLiteral("Юг"));
    emit edit->textEdited(edit->text());  // what the widget reports after a paste
    QCOMPARE(demo->txtB.Text(), std::string("Юг"));
  }

  void buttonClickRunsTheHandlerAndShowsModelChanges() {
    demo->txtA.SetText("55.5");
    platform->RefreshAll();
    QCOMPARE(Widget<QLineEdit>("txtA")->text(), QStringLiteral("55.5"));
    QTest::mouseClick(Widget<QPushButton>("cmdCopy"), Qt::LeftButton);
    QCOMPARE(demo->copies, 1);
    QCOMPARE(Widget<QLineEdit>("txtB")->text(), QStringLiteral("55.5"));
    QCOMPARE(Widget<QLabel>("lblInfo")->text(), QStringLiteral("Скопировано"));
    QCOMPARE(Widget<QPushButton>("cmdCopy")->toolTip(), QStringLiteral("Скопировать первое поле во второе"));
  }

  void disabledAndHiddenControlsFollowTheModel() {
    demo->cmdCopy.SetEnabled(false);
    demo->fraOpt.SetVisible(false);
    platform->RefreshAll();
    QVERIFY(!Widget<QPushButton>("cmdCopy")->isEnabled());
    QVERIFY(!Widget<QRadioButton>("optH(0)")->isVisible());
    QTest::mouseClick(Widget<QPushButton>("cmdCopy"), Qt::LeftButton);
    QCOMPARE(demo->copies, 0);
    demo->fraOpt.SetVisible(true);
    platform->RefreshAll();
    QVERIFY(Widget<QRadioButton>("optH(0)")->isVisible());
  }

  void comboShowsAndReportsTheIndex() {
    auto* combo = Widget<QComboBox>("cboUnit");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), -1);
    demo->cboUnit.SetListIndex(1);
    platform->RefreshAll();
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(Widget<QLabel>("lblInfo")->text(), QStringLiteral("километры"));
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(demo->cboUnit.ListIndex(), 0);
    QCOMPARE(Widget<QLabel>("lblInfo")->text(), QStringLiteral("метры"));
    demo->cboUnit.SetItems({"грады"});
    platform->RefreshAll();
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentIndex(), -1);
  }

  void optionGroupIsKeptByTheModel() {
    auto* normal = Widget<QRadioButton>("optH(0)");
    auto* geodetic = Widget<QRadioButton>("optH(1)");
    QVERIFY(normal->isChecked());
    QCOMPARE(geodetic->parentWidget(), Widget<QGroupBox>("fraOpt"));
    QTest::mouseClick(geodetic, Qt::LeftButton);
    QVERIFY(demo->opt1.Checked());
    QVERIFY(!demo->opt0.Checked());
    QVERIFY(geodetic->isChecked());
    QVERIFY(!normal->isChecked());
    QTest::mouseClick(geodetic, Qt::LeftButton);
    QVERIFY(geodetic->isChecked());  // a second click leaves the option selected
    QCOMPARE(demo->optionClicks, 1);
  }

  void checkBoxForcedByItsHandlerShowsTheForcedState() {
    auto* check = Widget<QCheckBox>("chkScreen");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(demo->chkScreen.Checked());
    QVERIFY(check->isChecked());
    demo->screenForced = true;
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(demo->chkScreen.Checked());
    QVERIFY(check->isChecked());
  }

  void withoutAViewControlsStandOneUnderAnother() {
    QVERIFY(Widget<QLineEdit>("txtB")->geometry().top() > Widget<QLineEdit>("txtA")->geometry().bottom());
    QVERIFY(Widget<QRadioButton>("optH(1)")->geometry().top() > Widget<QRadioButton>("optH(0)")->geometry().bottom());
    QCOMPARE(window->windowTitle(), QStringLiteral("Демонстрация"));
  }

  // The model keeps the whole path; the box shows it fitted to the width it
  // has, again whenever that changes.
  void aFittedBoxShowsItsTextFittedToItsWidth() {
    auto* box = Widget<QLineEdit>("txtPath");
    const QString path = QStringLiteral("/home/user/Vexilor/Data/Grids/Russia/wgeoid.mat");
    demo->txtPath.SetText(FromQt(path));
    box->setFixedWidth(box->sizeHint().width());  // room for 17 "x": too narrow
    platform->RefreshAll();
    QCoreApplication::processEvents();
    QVERIFY2(box->text().trimmed().startsWith(QStringLiteral("/ho...")) &&
                 box->text().endsWith(QStringLiteral("/wgeoid.mat")),
             qPrintable(box->text()));
    QCOMPARE(demo->txtPath.Text(), FromQt(path));
    box->setFixedWidth(box->sizeHint().width() + 2 * box->fontMetrics().horizontalAdvance(path));
    QCoreApplication::processEvents();
    QVERIFY2(box->text().startsWith(QLatin1Char(' ')) && box->text().trimmed() == path, qPrintable(box->text()));
  }

  void multiLineBoxShowsLineBreaksAndFixedPitch() {
    auto* block = Widget<QPlainTextEdit>("txtBlock");
    demo->txtBlock.SetText("Северо-запад\r\nЮго-восток");
    platform->RefreshAll();
    QCOMPARE(block->toPlainText(), QStringLiteral("Северо-запад\nЮго-восток"));
    // Measured, not asked: some monospaced fonts do not declare their pitch.
    const QFontMetrics metrics(block->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("MMMM")));
    demo->txtBlock.SetSelection(14, 3);  // after "\r\n": "Юго"
    platform->RefreshAll();
    QCOMPARE(block->textCursor().selectedText(), QStringLiteral("Юго"));
  }

  void menuItemClicks() {
    QAction* help = window->ActionFor(demo->mnuHelp);
    QVERIFY(help != nullptr);
    QCOMPARE(help->text(), QStringLiteral("С&правка"));
    help->trigger();
    QCOMPARE(demo->helpClicks, 1);
  }

  void modelFocusMovesTheWidgetFocus() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(demo->txtB.SetFocus());
    platform->RefreshAll();
    QCOMPARE(QApplication::focusWidget(), Widget<QWidget>("txtB"));
  }

  void modalFormRunsUntilItHides() {
    dialog = std::make_unique<DialogForm>();
    int activations = 0;
    demo->OnActivate([&activations] { ++activations; });
    QTimer::singleShot(0, this, [this] {
      FormWindow* dialogWindow = platform->WindowOf(*dialog);
      QVERIFY(dialogWindow != nullptr && dialogWindow->isVisible());
      QCOMPARE(dialogWindow->windowModality(), Qt::ApplicationModal);
      QTest::mouseClick(dialogWindow->WidgetFor(dialog->cmdOK), Qt::LeftButton);
    });
    QVERIFY(platform->ShowModal(*dialog));
    QCOMPARE(dialog->oks, 1);
    QVERIFY(!platform->WindowOf(*dialog)->isVisible());
    QCOMPARE(activations, 1);  // the main form is activated again
  }

  void closeBoxAsksTheModel() {
    bool asked = false;
    demo->OnQueryUnload([&asked](bool& cancel) {
      asked = true;
      cancel = true;
    });
    window->close();
    QVERIFY(asked);
    QVERIFY(demo->Visible());
    QVERIFY(window->isVisible());
  }

  void messageBoxOffersTheButtonsAndReturnsTheAnswer() {
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString text;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      text = box->text();
      defaultButton = box->standardButton(box->defaultButton());
      box->button(QMessageBox::No)->click();
    });
    const MessageAnswer answer = platform->ShowMessage({.text = "Файл уже существует.\r\nЗаменить его?",
                                                        .title = "Сохранение",
                                                        .buttons = MessageButtons::kYesNoCancel,
                                                        .icon = MessageIcon::kQuestion,
                                                        .defaultButton = DefaultButton::kSecond});
    QCOMPARE(answer, MessageAnswer::kNo);
    QCOMPARE(defaultButton, QMessageBox::No);
    QCOMPARE(text, QStringLiteral("Файл уже существует.\nЗаменить его?"));
  }

  void helpViewerShowsTheFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("vexilor.hlp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1>Справка Vexilor</h1></body></html>");
    file.close();
    platform->StartHelp(path.toStdString());
    QVERIFY(platform->Help()->isVisible());
    QVERIFY(platform->Help()->Browser()->toPlainText().contains(QStringLiteral("Справка Vexilor")));
    platform->StartHelp(folder.filePath(QStringLiteral("none.hlp")).toStdString());
    QVERIFY(platform->Help()->Browser()->toPlainText().startsWith(QStringLiteral("Файл справки не найден")));
  }

  void nameFiltersInQtForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("descriptions with patterns")
        << QStringLiteral("Файлы исходных координат (*.in)|*.in|Все файлы (*.*)|*.*")
        << QStringList{QStringLiteral("Файлы исходных координат (*.in)"), QStringLiteral("Все файлы (*.*)")};
    QTest::newRow("no blank before the parenthesis")
        << QStringLiteral("Файлы результатов(*.out)|*.out")
        << QStringList{QStringLiteral("Файлы результатов(*.out)")};
    QTest::newRow("description without patterns")
        << QStringLiteral("Матрицы|*.mat;*.MAT") << QStringList{QStringLiteral("Матрицы (*.mat *.MAT)")};
    QTest::newRow("several patterns in the description, as Qt reads them")
        << QStringLiteral("Файлы исходных координат (*.in;*.csv)|*.in;*.csv")
        << QStringList{QStringLiteral("Файлы исходных координат (*.in *.csv)")};
    QTest::newRow("other patterns in the description")
        << QStringLiteral("Тексты (*.txt)|*.dat") << QStringList{QStringLiteral("Тексты (*.txt) (*.dat)")};
    QTest::newRow("malformed") << QStringLiteral("Файлы (*.in)") << QStringList{};
  }

  void nameFiltersInQtForm() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtNameFilters(filter.toStdString()), expected);
  }

 private:
  template <class W>
  W* Widget(const char* id) const {
    auto* widget = window->findChild<W*>(QString::fromUtf8(id));
    if (widget == nullptr) qFatal("no widget %s", id);
    return widget;
  }

  std::unique_ptr<QtPlatform> platform;
  testing::LeftOpenCloser closer;
  std::unique_ptr<DemoForm> demo;
  std::unique_ptr<DialogForm> dialog;
  FormWindow* window = nullptr;
};

}  // namespace vexilor

QTEST_MAIN(vexilor::FormBinderTest)
#include "form_binder_test.moc"
