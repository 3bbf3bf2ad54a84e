#include "qt/form_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSpacerItem>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "qt/drawn_control.h"
#include "qt/qt_text.h"
#include "text/path_fit.h"
#include "qt/twips.h"
#include "qt/window_memory.h"
#include "qt/window_placement.h"

namespace vexilor {
namespace {

// Focus moves that a user made; the others come from the program or the
// window system and are not the user's gesture.
bool IsUserFocusReason(Qt::FocusReason reason) {
  return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

bool IsPrintable(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7F; });
}

QStringList ToQtList(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << ToQt(item);
  return list;
}

struct TextSpan {
  int start;
  int end;
};

// The model's selection of `control` in the units of its widget.
TextSpan DisplaySpan(const Control& control) {
  const std::string text = control.Text();
  const TextSelection selection = control.Selection();
  return {DisplayPosition(text, selection.start, control.MultiLine()),
          DisplayPosition(text, selection.start + selection.length, control.MultiLine())};
}

// The text of a fitted box as it fits the box's width now.
QString FittedText(const QLineEdit& box, const std::string& text) {
  const QFontMetrics metrics = box.fontMetrics();
  // The room for text is the box less its frame and margins, which its size
  // hint holds beside the room for 17 "x".
  const int frame = box.sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
  const TextWidthFn measure = [&metrics](const std::string& piece) { return metrics.horizontalAdvance(ToQt(piece)); };
  return ToQt(FitPathToWidth(measure, box.width() - frame, text));
}

}  // namespace

FormWindow::FormWindow(Form& form, QWidget* owner, std::function<void()> afterEvent, const FormView& view)
    : QWidget(owner, WindowFlagsOwnedBy(owner)),
      form_(form),
      afterEvent_(std::move(afterEvent)),
      layout_(new QVBoxLayout(this)),
      client_(new QWidget(this)),
      titleRoom_(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed)),
      placer_(*this) {
  setObjectName(ToQt(form.Name()));
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  layout_->addWidget(client_);
  layout_->addItem(titleRoom_);
  // Never smaller than what its controls need, whatever the font.
  layout_->setSizeConstraint(QLayout::SetMinimumSize);
  CreateWidgets();
  FollowModality();
  // The view measures texts in the fonts the controls show them in.
  refreshing_ = true;
  for (const Binding& binding : bindings_) RefreshControl(binding);
  refreshing_ = false;
  if (view) {
    view(*this);
  } else {
    StackControls();
  }
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::WidgetFor(const Control& control) const {
  const Binding* binding = Find(control);
  return binding == nullptr ? nullptr : binding->widget;
}

QAction* FormWindow::ActionFor(const Control& control) const {
  const Binding* binding = Find(control);
  return binding == nullptr ? nullptr : binding->action;
}

double FormWindow::DotsPerInch() const { return logicalDpiX(); }

void FormWindow::CreateWidgets() {
  std::map<const Control*, bool> hasItems;
  for (std::size_t i = 0; i < form_.ControlCount(); ++i) {
    const Control& control = form_.ControlAt(i);
    if (control.Kind() == ControlKind::kMenu && control.Container() != nullptr) hasItems[control.Container()] = true;
  }
  for (std::size_t i = 0; i < form_.ControlCount(); ++i) {
    Control& control = form_.ControlAt(i);
    Binding binding{&control};
    if (control.Kind() == ControlKind::kMenu) {
      CreateMenu(binding, hasItems);
    } else {
      QWidget* parent = client_;
      if (const Binding* holder = control.Container() ? Find(*control.Container()) : nullptr;
          holder != nullptr && holder->control->Kind() == ControlKind::kFrame) {
        parent = holder->widget;
      }
      binding.widget = CreateWidget(control, parent);
      binding.widget->setObjectName(ToQt(control.Id()));
      binding.widget->installEventFilter(this);
    }
    bindings_.push_back(binding);
  }
}

void FormWindow::StackControls() {
  for (const Binding& binding : bindings_) {
    if (binding.widget == nullptr) continue;
    QWidget* parent = binding.widget->parentWidget();
    QLayout* layout = parent->layout() != nullptr ? parent->layout() : new QVBoxLayout(parent);
    layout->addWidget(binding.widget);
  }
}

void FormWindow::FixSizeToContent() { layout_->setSizeConstraint(QLayout::SetFixedSize); }

void FormWindow::CreateMenu(Binding& binding, const std::map<const Control*, bool>& hasItems) {
  if (menuBar_ == nullptr) {
    menuBar_ = new QMenuBar(this);
    layout_->setMenuBar(menuBar_);
  }
  Control* control = binding.control;
  QMenu* parentMenu = nullptr;
  if (const Binding* holder = control->Container() ? Find(*control->Container()) : nullptr; holder != nullptr) {
    parentMenu = holder->menu;
  }
  const QString text = ToQt(control->Text());
  const auto click = [this, control] { Forward([control] { control->Click(); }); };
  if (hasItems.contains(control)) {
    binding.menu = parentMenu != nullptr ? parentMenu->addMenu(text) : menuBar_->addMenu(text);
    binding.action = binding.menu->menuAction();
    connect(binding.menu, &QMenu::aboutToShow, this, click);
  } else {
    binding.action = parentMenu != nullptr ? parentMenu->addAction(text) : menuBar_->addAction(text);
    connect(binding.action, &QAction::triggered, this, click);
  }
  binding.action->setObjectName(ToQt(control->Id()));
}

QWidget* FormWindow::CreateWidget(Control& control, QWidget* parent) {
  Control* c = &control;
  const auto click = [this, c] { Forward([c] { c->Click(); }); };
  switch (control.Kind()) {
    case ControlKind::kButton: {
      auto* button = new QPushButton(parent);
      connect(button, &QPushButton::clicked, this, click);
      return button;
    }
    case ControlKind::kTextBox: {
      if (control.MultiLine()) {
        auto* edit = new QPlainTextEdit(parent);
        connect(edit, &QPlainTextEdit::textChanged, this,
                [this, c, edit] { Forward([c, edit] { c->ReplaceText(ModelText(edit->toPlainText(), true)); }); });
        connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [this, c] { SyncSelectionFromWidget(*c); });
        return edit;
      }
      auto* edit = new QLineEdit(parent);
      connect(edit, &QLineEdit::textEdited, this,
              [this, c](const QString& text) { Forward([c, &text] { c->ReplaceText(FromQt(text)); }); });
      connect(edit, &QLineEdit::cursorPositionChanged, this, [this, c] { SyncSelectionFromWidget(*c); });
      connect(edit, &QLineEdit::selectionChanged, this, [this, c] { SyncSelectionFromWidget(*c); });
      return edit;
    }
    case ControlKind::kCombo: {
      auto* combo = new QComboBox(parent);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      connect(combo, &QComboBox::activated, this, [this, c](int index) { Forward([c, index] { c->Choose(index); }); });
      return combo;
    }
    case ControlKind::kList: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      // The selection, not the current row, is the user's choice: a list
      // that takes the focus makes its first row current without selecting it.
      connect(list, &QListWidget::itemSelectionChanged, this, [this, c, list] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        const int row = selected.isEmpty() ? -1 : list->row(selected.constFirst());
        Forward([c, row] { c->Choose(row); });
      });
      connect(list, &QListWidget::itemDoubleClicked, this, [this, c] { Forward([c] { c->DoubleClick(); }); });
      return list;
    }
    case ControlKind::kOption: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);  // the model keeps the groups
      connect(option, &QRadioButton::clicked, this, click);
      return option;
    }
    case ControlKind::kCheck: {
      auto* check = new QCheckBox(parent);
      connect(check, &QCheckBox::clicked, this, click);
      return check;
    }
    case ControlKind::kFrame:
      return new QGroupBox(parent);
    case ControlKind::kLine:
      return new DrawnControl(DrawnControl::Figure::kLine, parent);
    case ControlKind::kShape:
      return new DrawnControl(DrawnControl::Figure::kRectangle, parent);
    case ControlKind::kLabel:
    case ControlKind::kMenu:
      break;
  }
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  return label;
}

void FormWindow::Forward(const std::function<void()>& userAction) {
  if (refreshing_) return;
  userAction();
  if (afterEvent_) {
    afterEvent_();
  } else {
    Refresh();
  }
}

bool FormWindow::ForwardKey(Control& control, const QKeyEvent& key) {
  // Shortcuts (copy, paste, undo) reach the widget; their edits come back as
  // whole texts through the widget's signals.
  if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) return false;
  std::string keys;
  if (key.key() == Qt::Key_Backspace) {
    keys = "\b";
  } else if (key.key() == Qt::Key_Delete) {
    SyncSelectionFromWidget(control);
    Forward([&control] { control.PressDelete(); });
    return true;
  } else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    if (!control.MultiLine()) return false;
    keys = "\r";
  } else if (IsPrintable(key.text())) {
    keys = FromQt(key.text());
  } else {
    return false;  // navigation keys move the caret in the widget
  }
  SyncSelectionFromWidget(control);
  Forward([&control, &keys] { control.Type(keys); });
  return true;
}

void FormWindow::SyncSelectionFromWidget(Control& control) const {
  // A fitted box shows another text than its model's: its selection is its own.
  if (refreshing_ || control.Fitted()) return;
  const Binding* binding = Find(control);
  if (binding == nullptr) return;
  const std::string text = control.Text();
  int start = 0;
  int end = 0;
  if (const auto* edit = qobject_cast<const QLineEdit*>(binding->widget)) {
    start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    end = edit->hasSelectedText() ? edit->selectionEnd() : start;
  } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(binding->widget)) {
    start = plain->textCursor().selectionStart();
    end = plain->textCursor().selectionEnd();
  } else {
    return;
  }
  const int modelStart = ModelPosition(text, start, control.MultiLine());
  control.SetSelection(modelStart, ModelPosition(text, end, control.MultiLine()) - modelStart);
}

void FormWindow::Refresh() {
  const bool wasRefreshing = refreshing_;
  refreshing_ = true;
  RefreshWindow();
  for (const Binding& binding : bindings_) RefreshControl(binding);
  RefreshTabOrder();
  if (form_.Visible() != isVisible()) setVisible(form_.Visible());
  RefreshFocus();
  refreshing_ = wasRefreshing;
}

void FormWindow::RefreshWindow() {
  setWindowTitle(ToQt(form_.Caption()));
  const double dpi = DotsPerInch();
  const int titleWidth = TitleBarWidth(windowTitle());
  if (titleRoom_->sizeHint().width() != titleWidth) {
    titleRoom_->changeSize(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout_->invalidate();
  }
  // The form learns the window's size: window rules place windows by it.
  TwipsRect position = form_.Position();
  const QSize outer = isVisible() ? FrameGeometry(*this).size() : SizeToShowWith();
  position.width = PixelsToTwips(outer.width(), dpi);
  position.height = PixelsToTwips(outer.height(), dpi);
  if (!(position == form_.Position())) form_.Move(position);
  // The window system places a window until the form moves it; the form's
  // position is the frame's.
  if (position.left != appliedPosition_.left || position.top != appliedPosition_.top) {
    placedByForm_ = true;
    placer_.Place(QPoint(TwipsToPixels(position.left, dpi), TwipsToPixels(position.top, dpi)));
  }
  appliedPosition_ = position;
}

// A hidden window's layouts learn of their widgets' new texts only when it
// shows; its size is worked out afresh from what it shows now.
QSize FormWindow::SizeToShowWith() {
  for (QWidget* widget : findChildren<QWidget*>()) widget->updateGeometry();
  return sizeHint();
}

void FormWindow::RefreshControl(const Binding& binding) {
  const Control& control = *binding.control;
  if (binding.action != nullptr) {
    const QSignalBlocker blocker(binding.action);
    binding.action->setText(ToQt(control.Text()));
    binding.action->setEnabled(control.Enabled());
    binding.action->setVisible(control.Visible());
    binding.action->setToolTip(ToQt(control.ToolTip()));
    binding.action->setCheckable(control.Checked());
    binding.action->setChecked(control.Checked());
    return;
  }
  QWidget* widget = binding.widget;
  const QSignalBlocker blocker(widget);
  RefreshText(control, widget);
  RefreshItems(control, widget);
  widget->setEnabled(control.Enabled());
  widget->setToolTip(ToQt(control.ToolTip()));
  RefreshFont(control, widget);
  if (auto* button = qobject_cast<QPushButton*>(widget)) button->setDefault(&control == form_.DefaultButton());
  const bool visible = control.Visible() && !CoveredByVisible(control);
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

void FormWindow::Cover(const Control& upper, const Control& lower) {
  covers_.emplace_back(&upper, &lower);
  for (const Control* control : {&upper, &lower}) {
    QWidget* widget = WidgetFor(*control);
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
  }
  Refresh();
}

bool FormWindow::CoveredByVisible(const Control& control) const {
  return std::any_of(covers_.begin(), covers_.end(), [&control](const auto& cover) {
    return cover.second == &control && cover.first->EffectivelyVisible();
  });
}

void FormWindow::SetOwner(QWidget* owner) {
  if (parentWidget() != owner) setParent(owner, WindowFlagsOwnedBy(owner));
}

void FormWindow::FollowModality() {
  const Qt::WindowModality modality = form_.Modal() ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() == modality) return;
  hide();  // modality changes only while the window is hidden; Refresh shows it again
  setWindowModality(modality);
}

void FormWindow::RefreshText(const Control& control, QWidget* widget) {
  const QString text = DisplayText(control.Text(), control.MultiLine());
  switch (control.Kind()) {
    case ControlKind::kButton:
      static_cast<QPushButton*>(widget)->setText(text);
      return;
    case ControlKind::kOption:
    case ControlKind::kCheck:
      static_cast<QAbstractButton*>(widget)->setText(text);
      static_cast<QAbstractButton*>(widget)->setChecked(control.Checked());
      return;
    case ControlKind::kFrame:
      static_cast<QGroupBox*>(widget)->setTitle(text);
      return;
    case ControlKind::kLabel:
      static_cast<QLabel*>(widget)->setText(text);
      return;
    case ControlKind::kTextBox:
      break;
    default:
      return;
  }
  const TextSpan span = DisplaySpan(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && control.Fitted()) {
    RefitText(control, *edit);
  } else if (edit != nullptr) {
    if (edit->text() != text) edit->setText(text);
    edit->setReadOnly(control.ReadOnly());
    edit->setSelection(span.start, span.end - span.start);
    if (span.start == span.end) edit->setCursorPosition(span.start);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
    if (plain->toPlainText() != text) plain->setPlainText(text);
    plain->setReadOnly(control.ReadOnly());
    QTextCursor cursor = plain->textCursor();
    cursor.setPosition(span.start);
    cursor.setPosition(span.end, QTextCursor::KeepAnchor);
    plain->setTextCursor(cursor);
  }
}

void FormWindow::RefreshItems(const Control& control, QWidget* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const QStringList items = ToQtList(control.Items());
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != items) {
      combo->clear();
      combo->addItems(items);
      combo->setMinimumWidth(combo->sizeHint().width());  // a layout never cuts an entry
    }
    if (combo->currentIndex() != control.ListIndex()) combo->setCurrentIndex(control.ListIndex());
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    const QStringList items = ToQtList(control.Items());
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != items) {
      list->clear();
      list->addItems(items);
    }
    const QList<QListWidgetItem*> selected = list->selectedItems();
    const int shownRow = selected.isEmpty() ? -1 : list->row(selected.constFirst());
    if (shownRow != control.ListIndex() || list->currentRow() != control.ListIndex()) {
      if (control.ListIndex() < 0) list->clearSelection();
      list->setCurrentRow(control.ListIndex());
    }
  }
}

void FormWindow::RefitText(const Control& control, QLineEdit& box) const {
  const QString text = FittedText(box, control.Text());
  if (box.text() != text) box.setText(text);
  box.setReadOnly(control.ReadOnly());
}

void FormWindow::RefreshFont(const Control& control, QWidget* widget) {
  if (!control.Bold() && !control.FixedPitch() && !widget->testAttribute(Qt::WA_SetFont)) return;
  QFont font = client_->font();
  if (control.FixedPitch()) {
    // Set property by property: only properties set explicitly survive the
    // resolution against the client's font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies(fixed.families());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  }
  font.setBold(control.Bold());
  if (widget->font() != font) widget->setFont(font);
}

void FormWindow::RefreshTabOrder() {
  std::vector<QWidget*> order;
  for (const Control* control : form_.TabOrder()) {
    const Binding* binding = Find(*control);
    if (binding != nullptr && binding->widget != nullptr && binding->widget->focusPolicy() != Qt::NoFocus)
      order.push_back(binding->widget);
  }
  if (order == appliedTabOrder_) return;
  for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
  appliedTabOrder_ = std::move(order);
}

void FormWindow::RefreshFocus() {
  if (!isVisible() || form_.Focused() == nullptr) return;
  const Binding* binding = Find(*form_.Focused());
  if (binding == nullptr || binding->widget == nullptr) return;
  QWidget* widget = binding->widget;
  if (widget->isVisible() && widget->isEnabled() && !widget->hasFocus()) widget->setFocus(Qt::OtherFocusReason);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();  // the model decides, and hides the form when it closes
  Forward([this] { form_.RequestClose(); });
}

// Keys no control took: Enter presses the focused or the default button,
// Escape the cancel button, or else closes a dialog as its close box does.
void FormWindow::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    Forward([this] { form_.PressEnter(); });
  } else if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Escape) {
    Forward([this] {
      if (!form_.PressEscape() && parentWidget() != nullptr) form_.RequestClose();
    });
  } else {
    QWidget::keyPressEvent(event);
  }
}

// Checked once the resize has settled, so that the frame read is the new one.
// While the placer still looks, the window system may report the window at a
// passing place; the placer keeps it on the screen then.
void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize before = event->oldSize();
  const QSize after = event->size();
  const bool grew = before.isValid() && (after.width() > before.width() || after.height() > before.height());
  if (!grew || !shownBefore_) return;
  QTimer::singleShot(0, this, [this] {
    if (isVisible() && !placer_.Looking()) KeepOnScreen();
  });
}

void FormWindow::KeepOnScreen() {
  const QRect frame = FrameGeometry(*this);
  if (KeptInside(frame, AvailableArea(*this)) != frame) placer_.Place(frame.topLeft());
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) PlaceOnShow();
}

void FormWindow::PlaceOnShow() {
  layout_->activate();  // the size the window shows with, which centres it
  std::optional<QPoint> target;
  if (!shownBefore_ && memory_ != nullptr) {
    if (const auto size = memory_->Size(objectName())) resize(size->expandedTo(minimumSizeHint()));
    if (const auto position = memory_->Position(objectName())) target = OwnerFrameCorner(*this) + *position;
  }
  if (!target && placedByForm_) target = placer_.Target();
  if (!target && !shownBefore_ && parentWidget() != nullptr) {
    target = CentredOver(*this, FrameGeometry(*parentWidget()->window()));
  }
  placer_.Place(target.value_or(FrameTopLeft(*this)));
  shownBefore_ = true;
  WritePositionToForm();
}

void FormWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (memory_ != nullptr && shownBefore_ && !event->spontaneous()) {
    memory_->Remember(objectName(), FrameGeometry(*this).topLeft() - OwnerFrameCorner(*this), size());
  }
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (isVisible() && !refreshing_) WritePositionToForm();
}

// The user's moves reach the form, so that windows placed from this one's
// position (the dialogs at the main window's corner) find it where it is.
void FormWindow::WritePositionToForm() {
  const double dpi = DotsPerInch();
  TwipsRect position = form_.Position();
  position.left = PixelsToTwips(FrameGeometry(*this).left(), dpi);
  position.top = PixelsToTwips(FrameGeometry(*this).top(), dpi);
  form_.Move(position);
  appliedPosition_ = position;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  Binding* binding = FindByObject(watched);
  if (binding == nullptr) return QWidget::eventFilter(watched, event);
  Control* control = binding->control;
  if (event->type() == QEvent::Resize && control->Fitted()) {
    if (auto* box = qobject_cast<QLineEdit*>(binding->widget)) {
      const QSignalBlocker blocker(box);
      RefitText(*control, *box);
    }
    return false;
  }
  if (refreshing_) return false;
  if (event->type() == QEvent::FocusIn) {
    if (IsUserFocusReason(static_cast<QFocusEvent*>(event)->reason())) Forward([control] { control->SetFocus(); });
    return false;
  }
  if (event->type() == QEvent::KeyPress && control->Kind() == ControlKind::kTextBox) {
    return ForwardKey(*control, *static_cast<QKeyEvent*>(event));
  }
  return false;
}

const FormWindow::Binding* FormWindow::Find(const Control& control) const {
  const auto found = std::find_if(bindings_.begin(), bindings_.end(),
                                  [&control](const Binding& b) { return b.control == &control; });
  return found == bindings_.end() ? nullptr : &*found;
}

FormWindow::Binding* FormWindow::FindByObject(const QObject* object) {
  const auto found =
      std::find_if(bindings_.begin(), bindings_.end(), [object](const Binding& b) { return b.widget == object; });
  return found == bindings_.end() ? nullptr : &*found;
}

}  // namespace vexilor
