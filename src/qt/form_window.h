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
// Layout: the window's view (a FormView, one per window in its own file)
// puts the widgets into Qt layouts, which size them for their texts in the
// desktop's font at any scale; the model holds no positions. A form without
// a view shows its controls one under another (StackControls). A fitted
// box (Control::Fitted) shows its text fitted to the width the layout gives
// it, again whenever that width changes.
//
// Widgets only translate: a widget signal becomes the model's user action
// (typed keys go through the control's KeyPress and Change, clicks, chosen
// indices, focus, the close box, Enter and Escape), then `after_event` runs —
// the platform re-reads every window there with Refresh, signals blocked.
//
// A window can be resized but never below what its layout needs, unless its
// view fixes its size to its content; either way it is at least as wide as
// its caption. The form's position is where the window's frame stands, its
// size the window's; moves of the user are written back into the form. A window shown over
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
class QLineEdit;
class QMenu;
class QMenuBar;
class QSpacerItem;
class QVBoxLayout;

namespace vexilor {

class FormWindow;
class WindowMemory;

// Lays out the widgets of a form's window; given to QtPlatform::Bind.
using FormView = std::function<void(FormWindow&)>;

class FormWindow : public QWidget {
 public:
  // A form shown over another gets that one's window as `owner` before it
  // first shows, so that it is placed as a dialog from the start. The
  // window shows the model from its first Refresh on.
  FormWindow(Form& form, QWidget* owner, std::function<void()> afterEvent, const FormView& view);
  ~FormWindow() override;

  Form& Model() const { return form_; }
  // The area under the menu bar that holds the form's top-level controls.
  QWidget* Client() const { return client_; }
  // The widget of `control`; nullptr for a menu or a control of another form.
  QWidget* WidgetFor(const Control& control) const;
  // The action of a menu control; nullptr for other controls.
  QAction* ActionFor(const Control& control) const;

  // `upper` lies over `lower` (the view puts them in the same place): while
  // `upper` shows, `lower` is hidden however the form sets it, and the place
  // is as large as the larger of the two.
  void Cover(const Control& upper, const Control& lower);
  // The window is as large as its content needs, no larger, and follows it
  // when controls show or hide (a fixed dialog, a window of panels).
  void FixSizeToContent();
  // Makes the window a dialog owned by `owner` (nullptr: a window of its own).
  void SetOwner(QWidget* owner);
  // Application-modal while the form is shown modally.
  void FollowModality();
  void SetMemory(WindowMemory* memory) { memory_ = memory; }

  // Re-reads the whole model into the widgets with their signals blocked:
  // caption, size, position and visibility of the window; text, items, index,
  // checked, enabled, visible, tool tip, font and selection of each control;
  // the focused control.
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
  // The layout for a form without a view: in each frame and in the client
  // area the controls one under another, in the order they were added.
  void StackControls();
  void CreateMenu(Binding& binding, const std::map<const Control*, bool>& hasItems);
  QWidget* CreateWidget(Control& control, QWidget* parent);
  void Forward(const std::function<void()>& userAction);
  bool ForwardKey(Control& control, const QKeyEvent& key);
  void SyncSelectionFromWidget(Control& control) const;
  void RefreshWindow();
  QSize SizeToShowWith();
  void RefreshControl(const Binding& binding);
  void RefreshText(const Control& control, QWidget* widget);
  void RefreshItems(const Control& control, QWidget* widget);
  void RefitText(const Control& control, QLineEdit& box) const;
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

}  // namespace vexilor
