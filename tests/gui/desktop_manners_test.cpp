// The program as a desktop program, offscreen: Qt's standard dialogs in
// Russian, secondary windows owned by the main window, layouts that hold
// their frames and captions that fit, the keyboard, remembered places and
// the stopped file run.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QLayout>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRadioButton>
#include <QScreen>
#include <cstdlib>

#include "qt/help_viewer.h"
#include "qt/qt_dialogs.h"
#include "qt/twips.h"
#include "qt/window_placement.h"
#include "running_program.h"

namespace vexilor {
namespace {

// A button's text without its access-key mark.
QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// What a user sees of `window`: its visible widgets, frames included.
QList<QWidget*> Shown(QWidget& window) {
  QList<QWidget*> shown;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->isVisibleTo(&window) && widget->window() == &window) shown << widget;
  }
  return shown;
}

// The room `widget` needs for what it shows: its size hint, for a label
// that breaks its lines the height those lines take at its width, for a
// list its entries' width.
QSize Needed(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget); label != nullptr && label->wordWrap()) {
    return {0, label->heightForWidth(label->width())};
  }
  if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
    return {list->sizeHintForColumn(0) + 2 * list->frameWidth(), 0};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
    return {frame->fontMetrics().horizontalAdvance(frame->title()), 0};
  }
  if (qobject_cast<const QAbstractButton*>(&widget) != nullptr || qobject_cast<const QLabel*>(&widget) != nullptr ||
      qobject_cast<const QComboBox*>(&widget) != nullptr) {
    return widget.sizeHint();
  }
  return widget.minimumSizeHint();
}

// Every shown control of `window` speaks in the desktop's font (at least as
// large) and has the room it needs, and no two shown controls of one frame
// overlap.
void ExpectRoomForEverything(QWidget& window) {
  QCoreApplication::processEvents();
  const QList<QWidget*> shown = Shown(window);
  for (const QWidget* widget : shown) {
    if (widget->objectName().isEmpty()) continue;  // the parts of Qt's own widgets
    QVERIFY2(widget->font().pointSizeF() >= QApplication::font().pointSizeF(),
             qPrintable(widget->objectName() + QStringLiteral(": a smaller font")));
    const QSize needed = Needed(*widget);
    QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height(),
             qPrintable(QStringLiteral("%1 in %2: %3x%4, needs %5x%6")
                            .arg(widget->objectName(), window.objectName())
                            .arg(widget->width()).arg(widget->height())
                            .arg(needed.width()).arg(needed.height())));
    for (const QWidget* other : shown) {
      if (other == widget || other->parentWidget() != widget->parentWidget() || other->objectName().isEmpty()) continue;
      QVERIFY2(!widget->geometry().intersects(other->geometry()),
               qPrintable(widget->objectName() + QStringLiteral(" overlaps ") + other->objectName()));
    }
  }
  QVERIFY2(window.width() >= TitleBarWidth(window.windowTitle()), qPrintable(window.windowTitle()));
}

// What each top-level window took to the window system when it was mapped:
// its owner and the place of its frame. A window system keeps a place it
// is given with the window; a move made after the mapping may lose to its
// own placement.
class Mappings : public QObject {
 public:
  struct Mapping {
    QWidget* owner;
    QPoint frame;
  };
  Mappings() { qApp->installEventFilter(this); }
  QList<Mapping> Of(const QWidget* window) const { return mappings_.value(window); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWindowType()) return false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->windowHandle() == watched) mappings_[window] << Mapping{window->parentWidget(), FrameTopLeft(*window)};
    }
    return false;
  }

 private:
  QHash<const QWidget*, QList<Mapping>> mappings_;
};

}  // namespace

class DesktopMannersTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { desktopFont = QApplication::font(); }
  void init() { run = std::make_unique<testing::RunningProgram>(); }
  void cleanup() {
    run.reset();
    QApplication::setFont(desktopFont);
  }

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

  void fileModeShowsTheFileFramesWhole() {
    const std::string source = run->folder.PathOf("points.in");
    std::ofstream(source, std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n";
    run->platform.openFiles.push_back(source);
    run->platform.saveFiles.push_back(run->folder.PathOf("points.out"));
    QTest::mouseClick(run->Widget<QRadioButton>("optInFile"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(run->Widget<QGroupBox>("fraFile")->isVisible());
    QVERIFY(run->Widget<QGroupBox>("fraOutFl")->isVisible());
    // The file frames lie over the point frames, stale results and all.
    QVERIFY(!run->Widget<QGroupBox>("fr03")->isVisible());
    QVERIFY(!run->Widget<QGroupBox>("fraResult")->isVisible());
    ExpectRoomForEverything(*run->main);
    testing::RunningProgram::SaveScreenshot(*run->main, "main_window_file_mode.png");
  }

  // Set against the screen's bottom edge, the service window grows with a
  // larger tool; it comes back onto the screen.
  void aWindowGrownForAToolStaysOnTheScreen() {
    FrmService& service = run->program.Service();
    run->PickIntoModal(run->main->ActionFor(run->program.MainWindow().mnuServis), service, [&](FormWindow& window) {
      window.ActionFor(service.mnuGradusGrad)->trigger();
      const QRect area = AvailableArea(window);
      const double dpi = window.DotsPerInch();
      TwipsRect position = service.Position();
      position.top = PixelsToTwips(area.bottom() + 1 - FrameGeometry(window).height(), dpi);
      service.Move(position);  // the program places it there
      window.Refresh();
      QTRY_VERIFY(FrameGeometry(window).bottom() >= area.bottom() - 2);
      const int low = FrameGeometry(window).height();
      window.ActionFor(service.mnuRamka)->trigger();  // the СК-42 warning is answered OK
      QTRY_VERIFY(FrameGeometry(window).height() > low);
      QTRY_COMPARE(KeptInside(FrameGeometry(window), area), FrameGeometry(window));
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  }

  void everyOptionOfTheMainWindowHasRoom_data() { Fonts(); }
  void everyOptionOfTheMainWindowHasRoom() {
    StartWithFont();
    ExpectRoomForEverything(*run->main);
    QTest::mouseClick(run->Widget<QCheckBox>("chkGeoid"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(run->Widget<QLineEdit>("txtGeoid")->isVisible());
    ExpectRoomForEverything(*run->main);
    // At its narrowest the window still shows the longest value whole.
    run->main->resize(1, 1);
    QCoreApplication::processEvents();
    for (const char* name : {"txtLat_In", "txtLon_In", "txtLat_Out", "txtLon_Out", "txtHei_Out", "txtGeoid"}) {
      auto* box = run->Widget<QLineEdit>(name);
      box->setText(QStringLiteral("-179° 59' 59.99999\""));
      // A line edit's size hint is the room for 17 "x" with its frame and margins.
      const QFontMetrics metrics = box->fontMetrics();
      const int needed =
          box->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) + metrics.horizontalAdvance(box->text());
      QVERIFY2(box->width() >= needed, qPrintable(QStringLiteral("%1: %2 < %3").arg(name).arg(box->width()).arg(needed)));
    }
    run->ChooseType("cboTypeIsx", 1);  // X Y Z: the warning instead of the height options
    QVERIFY(run->Widget<QLabel>("lblWar")->isVisible());
    ExpectRoomForEverything(*run->main);
  }

  void catalogueOpensWithNothingChosen() {
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      auto* list = catalogue.findChild<QListWidget*>(QStringLiteral("lstSys"));
      QVERIFY(list->count() > 0);
      // The list takes the focus, which makes its first row current: that
      // chooses nothing.
      QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
      QCoreApplication::sendEvent(list, &focus);
      QVERIFY(list->selectedItems().isEmpty());
      QVERIFY(!catalogue.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isEnabled());
      QVERIFY(!catalogue.findChild<QPushButton*>(QStringLiteral("cmdChange"))->isEnabled());
      QCOMPARE(catalogue.findChild<QLineEdit*>(QStringLiteral("txtEll(2)"))->text(), QString());
      // Escape closes it as «Закрыть» does: nothing chosen.
      QTest::keyClick(list, Qt::Key_Escape);
      QVERIFY(!catalogue.isVisible());
    });
    QCOMPARE(run->program.State().settings.SourceSystemName, std::string());
  }

  void enterChoosesTheSelectedSystemAndRunsTheMainWindow() {
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      auto* list = catalogue.findChild<QListWidget*>(QStringLiteral("lstSys"));
      list->setCurrentItem(list->findItems(ToQt(kCk42Name), Qt::MatchExactly).constFirst());
      QTest::keyClick(list, Qt::Key_Return);
      QVERIFY(!catalogue.isVisible());
    });
    QCOMPARE(run->program.State().settings.SourceSystemName, kCk42Name);
    run->ChooseSystem("cmdOut", kWgs84Name);
    QTest::keyClicks(run->Widget<QLineEdit>("txtLat_In"), "55 45 20");
    QTest::keyClicks(run->Widget<QLineEdit>("txtLon_In"), "37 37 0");
    auto* height = run->Widget<QLineEdit>("txtHei_In");
    QTest::keyClicks(height, "150");
    QTest::keyClick(height, Qt::Key_Return);  // «Выполнить» is the default button
    QVERIFY(!run->Widget<QLineEdit>("txtLat_Out")->text().isEmpty());
    QCOMPARE(run->dialogs.texts, std::vector<QString>{});
  }

  void secondaryWindowsAreDialogsOfTheMainWindow_data() { Fonts(); }
  void secondaryWindowsAreDialogsOfTheMainWindow() {
    StartWithFont();
    // Each window is looked at as it opens: every caption has its room.
    QList<QWidget*> windows;
    const auto collect = [&](FormWindow& window) {
      windows << &window;
      ExpectRoomForEverything(window);
      QTest::keyClick(&window, Qt::Key_Escape);
    };
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      ExpectRoomForEverything(catalogue);
      // «Добавить» opens the new-system window, a dialog of the catalogue.
      QTimer::singleShot(0, &catalogue, [&] {
        FormWindow* added = run->platform.WindowOf(run->program.NewSystem());
        QVERIFY(added != nullptr && added->isVisible());
        QCOMPARE(added->parentWidget(), &catalogue);
        QVERIFY(added->windowType() == Qt::Dialog);
        ExpectRoomForEverything(*added);
        QTest::keyClick(added, Qt::Key_Escape);
      });
      QTest::mouseClick(catalogue.findChild<QPushButton*>(QStringLiteral("cmdAdd")), Qt::LeftButton);
      QVERIFY(!run->platform.WindowOf(run->program.NewSystem())->isVisible());
      // «По общим точкам…» opens the link fit, a dialog of the catalogue too.
      run->ClickIntoModal(catalogue.findChild<QPushButton*>(QStringLiteral("cmdFit")), run->program.LinkFit(),
                          [&](FormWindow& fit) {
                            QCOMPARE(fit.parentWidget(), &catalogue);
                            QVERIFY(fit.windowType() == Qt::Dialog);
                            ExpectRoomForEverything(fit);
                            QTest::keyClick(&fit, Qt::Key_Escape);
                          });
      collect(catalogue);
    });
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kCk63Name);
    run->ChooseType("cboTypeIsx", 2);
    run->ClickIntoModal("cmdParProIn", run->program.Projection(), [&](FormWindow& projection) {
      ExpectRoomForEverything(projection);
      QTest::mouseClick(projection.findChild<QRadioButton*>(QStringLiteral("optPro(1)")), Qt::LeftButton, {},
                        QPoint(5, 5));  // the Lambert panel
      collect(projection);
    });
    run->ChooseType("cboTypeOut", 0);  // Escape set the source type back; a plane target now
    run->dialogs.Answer(QMessageBox::No);  // the link values from the keyboard
    run->dialogs.Answer(QMessageBox::No);  // no second try after Escape
    run->ChooseType("cboTypeOut", 2);
    run->ClickIntoModal("cmdParProOut", run->program.LocalLink(), collect);
    run->main->ActionFor(run->program.MainWindow().mnuHelp)->trigger();
    windows << run->platform.Help() << run->program.Progress().Dialog();
    for (QWidget* window : windows) {
      QVERIFY(window != nullptr);
      QCOMPARE(window->parentWidget(), run->main);
      QVERIFY2(window->windowType() == Qt::Dialog, qPrintable(window->objectName()));
      QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }
    QTest::keyClick(run->platform.Help(), Qt::Key_Escape);
    QVERIFY(!run->platform.Help()->isVisible());
  }

  // Placed by its form before it first shows (at the main window's corner),
  // a dialog still takes the size its layout asks for.
  void aDialogPlacedBeforeItShowsTakesTheSizeOfItsLayout() {
    run->ChooseSystem("cmdIsx", kCk63Name);  // a plane side: «Проекция» asks for the link values
    run->dialogs.Answer(QMessageBox::No);    // from the keyboard
    run->dialogs.Answer(QMessageBox::No);    // no second try after Escape
    run->ClickIntoModal("cmdParProIn", run->program.LocalLink(), [](FormWindow& window) {
      QCOMPARE(window.size(), window.sizeHint());
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  }

  void dialogsAreMappedWherePlaced() {
    const Mappings mappings;
    QWidget* catalogue = nullptr;
    QPoint centred;
    QPoint placed;
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& window) {
      catalogue = &window;
      // Centred over the main window, as far as the screen lets it.
      const QRect over(CentredOver(window, run->main->frameGeometry()), FrameGeometry(window).size());
      centred = KeptInside(over, AvailableArea(window)).topLeft();
      placed = FrameTopLeft(window);
      QTest::keyClick(&window, Qt::Key_Escape);
    });
    // Mapped once, already a dialog of the main window, centred over it.
    QCOMPARE(mappings.Of(catalogue).size(), 1);
    QCOMPARE(mappings.Of(catalogue).first().owner, run->main);
    QCOMPARE(mappings.Of(catalogue).first().frame, centred);
    QCOMPARE(placed, centred);
    run->main->ActionFor(run->program.MainWindow().mnuHelp)->trigger();
    QWidget* help = run->platform.Help();
    QCOMPARE(mappings.Of(help).size(), 1);
    QCOMPARE(mappings.Of(help).first().owner, run->main);
    QCOMPARE(mappings.Of(help).first().frame, FrameTopLeft(*help));
  }

  // A window placed before it has a native window goes to the window system
  // with its frame's place (north-west gravity): the frame lands there at
  // the mapping, with no correction to wait for from a window manager that
  // frames it late. The offscreen platform frames every window with a
  // margin, so a client area placed there instead would put the frame off.
  void aWindowPlacedBeforeCreationIsMappedByItsFrame() {
    QWidget window;
    window.resize(300, 200);
    const QPoint place = AvailableArea(window).topLeft() + QPoint(40, 30);
    PlaceFrame(window, place);
    const Mappings mappings;
    window.show();
    QVERIFY(HasFrame(window));
    QCOMPARE(mappings.Of(&window).size(), 1);
    QCOMPARE(mappings.Of(&window).first().frame, place);
    QCOMPARE(window.frameGeometry().topLeft(), place);
  }

  // A busy window manager may report a window it frames at a passing place
  // or drop a move asked for meanwhile: the placer looks on after it saw the
  // frame, and places the window again until it stands where it was sent.
  void aWindowMovedWhileBeingFramedIsPlacedAgain() {
    QWidget window;
    window.resize(300, 200);
    FramePlacer placer(window);
    const QPoint place = AvailableArea(window).topLeft() + QPoint(40, 30);
    placer.Place(place);
    window.show();
    placer.Look();
    QCOMPARE(FrameTopLeft(window), place);
    QVERIFY(placer.Looking());
    window.move(place + QPoint(200, 150));
    QTRY_VERIFY_WITH_TIMEOUT(!placer.Looking(), 10000);
    QCOMPARE(FrameTopLeft(window), place);
  }

  // Centred by the size it shows with, its start values in its boxes; the
  // frame the window system adds is not known before the window shows.
  void theMainWindowStartsAtTheTopCentreOfTheScreen() {
    const QRect screen = run->main->screen()->geometry();
    const QRect frame = FrameGeometry(*run->main);
    QCOMPARE(frame.top(), screen.top());
    QVERIFY2(std::abs(frame.center().x() - screen.center().x()) <= FrameMargins(*run->main).left() + 1,
             qPrintable(QStringLiteral("%1 on a screen of %2").arg(frame.left()).arg(screen.width())));
  }

  // The projection dialog and the service window take the size of the panel
  // they show: larger for a larger one, smaller again for a smaller one.
  void windowsOfPanelsTakeTheSizeOfThePanelShown() {
    FrmService& service = run->program.Service();
    run->PickIntoModal(run->main->ActionFor(run->program.MainWindow().mnuServis), service, [&](FormWindow& window) {
      int previous = 0;
      for (const Control* tool : {&service.mnuGradusGrad, &service.mnuRamka, &service.mnuAnglMetric}) {
        window.ActionFor(*tool)->trigger();  // the СК-42 warning is answered OK
        QTRY_COMPARE(window.size(), window.sizeHint());
        QVERIFY(window.height() != previous);
        previous = window.height();
      }
      QTest::keyClick(&window, Qt::Key_Escape);
    });
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseType("cboTypeIsx", 2);
    run->ClickIntoModal("cmdParProIn", run->program.Projection(), [](FormWindow& window) {
      for (const char* kind : {"optPro(1)", "optPro(0)"}) {  // Lambert, then Gauss-Krüger
        QTest::mouseClick(window.findChild<QRadioButton*>(QString::fromLatin1(kind)), Qt::LeftButton, {},
                          QPoint(5, 5));
        QTRY_COMPARE(window.size(), window.sizeHint());
      }
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  }

  void serviceWindowIsADialogWithRoomForEveryTool_data() { Fonts(); }
  void serviceWindowIsADialogWithRoomForEveryTool() {
    StartWithFont();
    FrmService& service = run->program.Service();
    run->PickIntoModal(run->main->ActionFor(run->program.MainWindow().mnuServis), service, [&](FormWindow& window) {
      QCOMPARE(window.parentWidget(), run->main);
      QVERIFY(window.windowType() == Qt::Dialog);
      QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
      ExpectRoomForEverything(window);  // no tool chosen yet
      for (Control* item : {&service.mnuNameNom, &service.mnuRamka, &service.mnuGradusGrad, &service.mnuGradGradus,
                            &service.mnuAnglMetric, &service.mnuMetricAngl}) {
        window.ActionFor(*item)->trigger();  // the СК-42 warnings are answered OK
        QVERIFY2(service.ShownPanel() >= 0, item->Id().c_str());
        ExpectRoomForEverything(window);
      }
      // The frame's corners with the sketch instead of the four edges.
      window.ActionFor(service.mnuRamka)->trigger();
      QTest::mouseClick(window.findChild<QRadioButton*>(QStringLiteral("optCoord(3)")), Qt::LeftButton, {},
                        QPoint(5, 5));
      ExpectRoomForEverything(window);
      QTest::keyClick(&window, Qt::Key_Escape);  // closes as «Закрыть» does
      QVERIFY(!window.isVisible());
    });
    QVERIFY(!service.Visible());
  }

  void stopInTheProgressWindowLeavesNoResultsFile_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("«Прервать»") << false;
    QTest::newRow("Escape") << true;
  }

  void stopInTheProgressWindowLeavesNoResultsFile() {
    QFETCH(bool, escape);
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kWgs84Name);
    const std::string source = run->folder.PathOf("many.in");
    {
      std::ofstream in(source, std::ios::binary);
      in << "BLH\r\n";
      for (int i = 1; i <= 5 * kProgressLines; ++i) in << i << " 55 45 20 37 37 0 150\r\n";
    }
    const std::string results = run->folder.PathOf("many.out");
    run->platform.openFiles.push_back(source);
    run->platform.saveFiles.push_back(results);
    QTest::mouseClick(run->Widget<QRadioButton>("optInFile"), Qt::LeftButton, {}, QPoint(5, 5));
    // The user presses «Прервать» as soon as the progress window shows.
    RunProgressDialog& progress = run->program.Progress();
    progress.SetShowDelay(0);
    QProgressDialog* dialog = progress.Dialog();
    QString title;
    ShowWatcher watcher(*dialog, [&] {
      title = dialog->windowTitle();
      QVERIFY(dialog->width() >= TitleBarWidth(title));
      QPushButton* stop = dialog->findChild<QPushButton*>();
      QCOMPARE(stop->text(), QStringLiteral("Прервать"));
      QTimer::singleShot(0, stop, [stop, dialog, escape] {
        if (escape) {
          QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
          QTest::mouseClick(stop, Qt::LeftButton);
        }
      });
    });
    QTest::mouseClick(run->Widget<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Преобразование координат"));
    QVERIFY(!std::filesystem::exists(results));
    QCOMPARE(run->dialogs.texts.size(), std::size_t{1});
    QVERIFY2(run->dialogs.texts[0].startsWith(QStringLiteral("Преобразование прервано.")),
             qPrintable(run->dialogs.texts[0]));
    QVERIFY(!dialog->isVisible());
    QVERIFY(run->Widget<QPushButton>("cmdOK")->isEnabled());  // ready to run again
  }

 private:
  // Calls `shown` when `widget` shows.
  class ShowWatcher : public QObject {
   public:
    ShowWatcher(QWidget& widget, std::function<void()> shown) : shown_(std::move(shown)) {
      widget.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Show) shown_();
      return false;
    }

   private:
    std::function<void()> shown_;
  };

  // A user's larger font, then the desktop's: pictures for the README taken
  // on the way are taken last in the desktop's font.
  static void Fonts() {
    QTest::addColumn<qreal>("points");
    QTest::newRow("14 pt") << 14.0;
    QTest::newRow("desktop font") << 0.0;
  }

  // The program started afresh in the font of the test's data row.
  void StartWithFont() {
    QFETCH(qreal, points);
    if (points <= 0) return;
    run.reset();
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    QApplication::setFont(font);
    run = std::make_unique<testing::RunningProgram>();
  }

  QFont desktopFont;
  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace vexilor

QTEST_MAIN(vexilor::DesktopMannersTest)
#include "desktop_manners_test.moc"
