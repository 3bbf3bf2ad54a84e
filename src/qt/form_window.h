#pragma once
// The one generic binder: a Qt window for any Form.
//
// It creates a widget for every control (QPushButton, QLineEdit or, for a
// multi-line box, QPlainTextEdit, QComboBox, QListWidget, QRadioButton,
// QCheckBox, QGroupBox, QLabel, a DrawnControl for a line or a shape; menus
// become QMenuBar entries: a menu with items is a QMenu, an item is a
// QAction). A control sits in the widget of its container frame, or in the
// client area under the menu bar. The focus chain (Tab) follows the form's
// tab order.
//
// Layout: by default every widget is placed at its model position, twips
// scaled to pixels at the screen's logical resolution (a control of width 0
// keeps its preferred size), and the client area takes the form's size when
// it has one; a client area the view gave a layout takes the layout's size. A view function may then change anything, e.g. put widgets
// into Qt layouts; a widget whose parent has a layout is left to that layout
// from then on. Model positions keep being applied to the others, so window
// rules that move frames work.
//
// Widgets only translate: a widget signal becomes the model's user action
// (typed keys go through the control's KeyPress and Change, clicks, chosen
// indices, focus, the close box, Enter and Escape), then `after_event` runs —
// the platform re-reads every window there with Refresh, signals blocked.
//
// A laid-out window can be resized but never below what its layout needs;
// a window placed by twips keeps the form's size. Either is at least as wide
// as its caption. The form's position is where the window's frame stands;
// moves of the user are written back into the form. A window shown over
// another becomes a dialog owned by it: centred over it unless the form
// places it, and kept on the screen. With a WindowMemory the window comes
// back where it stood and as large as it was at the end of the last run.

#include <QWidget>
#include <QPoint>
#include <functional>
#include <map>
#include <utility>
#include <vector>
#include <string_view>

#include "form/form.h"
#include "qt/window_placement.h"

class QAction;
class QMenu;
class QMenuBar;
class QSpacerItem;
class QVBoxLayout;

namespace vexilor {

class WindowMemory;

class FormWindow : public QWidget {
 public:
  // A form shown over another gets that one's window as `owner` before it
  // first shows, so that it is placed as a dialog from the start.
  FormWindow(Form& form, QWidget* owner, std::function<void()> afterEvent);
  ~FormWindow() override;

  Form& Model() const { return form_; }
  // The area under the menu bar that holds the form's top-level controls.
  QWidget* Client() const { return client_; }
  // The widget of `control`; nullptr for a menu or a control of another form.
  QWidget* WidgetFor(const Control& control) const;
  QWidget* WidgetFor(std::string_view name, int index = kNoIndex) const;
  // The action of a menu control; nullptr for other controls.
  QAction* ActionFor(const Control& control) const;

  // `upper` lies over `lower` (the view puts them in the same place): while
  // `upper` shows, `lower` is hidden however the form sets it, and the place
  // is as large as the larger of the two.
  void Cover(const Control& upper, const Control& lower);
  // Makes the window a dialog owned by `owner` (nullptr: a window of its own).
  void SetOwner(QWidget* owner);
  // Application-modal while the form is shown modally.
  void FollowModality();
  void SetMemory(WindowMemory* memory) { memory_ = memory; }

  // Re-reads the whole model into the widgets with their signals blocked:
  // caption, size, position and visibility of the window; text, items, index,
  // checked, enabled, visible, tool tip, font, position and selection of each
  // control; the focused control.
  void Refresh();

  double DotsPerInch() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Binding {
    Control* control = nullptr;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    QMenu* menu = nullptr;
  };

  void CreateWidgets();
  void CreateMenu(Binding& binding, const std::map<const Control*, bool>& hasItems);
  QWidget* CreateWidget(Control& control, QWidget* parent);
  void Forward(const std::function<void()>& userAction);
  bool ForwardKey(Control& control, const QKeyEvent& key);
  void SyncSelectionFromWidget(Control& control) const;
  void RefreshWindow();
  void RefreshControl(const Binding& binding);
  void RefreshText(const Control& control, QWidget* widget);
  void RefreshItems(const Control& control, QWidget* widget);
  void RefreshGeometry(const Control& control, QWidget* widget);
  void RefreshFont(const Control& control, QWidget* widget);
  // The focus chain of the widgets follows the form's tab order.
  void RefreshTabOrder();
  void RefreshFocus();
  bool CoveredByVisible(const Control& control) const;
  // Where the frame goes when the window shows: remembered, placed by the
  // form, or centred over the owner; kept on the screen.
  void PlaceOnShow();
  // A window that grew (the file frames shown) is moved back onto the
  // screen where it now runs past an edge.
  void KeepOnScreen();
  void WritePositionToForm();
  const Binding* Find(const Control& control) const;
  Binding* FindByObject(const QObject* object);

  Form& form_;
  std::function<void()> afterEvent_;
  QVBoxLayout* layout_;
  QWidget* client_;
  QSpacerItem* titleRoom_;  // as wide as the title bar needs, no height
  QMenuBar* menuBar_ = nullptr;
  std::vector<Binding> bindings_;
  bool refreshing_ = false;
  TwipsRect appliedPosition_{};
  FramePlacer placer_;
  bool placedByForm_ = false;
  bool shownBefore_ = false;
  WindowMemory* memory_ = nullptr;
  std::vector<std::pair<const Control*, const Control*>> covers_;  // upper, lower
  std::vector<QWidget*> appliedTabOrder_;
};

// Lays out the widgets of a form's window; given to QtPlatform::Bind.
using FormView = std::function<void(FormWindow&)>;

}  // namespace vexilor
