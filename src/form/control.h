#pragma once
// One control of a toolkit-free window: plain data plus the event rules of a
// classic event-driven toolkit.
//
// Window logic changes a control only through the setters below, so that
// "setting X runs X's handler as a click would" holds everywhere:
// - a text box's text set to a different value runs its Change handler;
// - a check box set to a different value runs its Click handler;
// - an option button set to true from false clears the other options of its
//   group (without events) and runs its own Click handler; set to false it
//   only clears itself;
// - a list or combo index set to a different value runs the list's Click.
// Every other property change runs nothing.
//
// Re-entrancy rule: a handler never runs inside itself. While a control's
// handler for one event runs, setting that same control again changes the
// value (and the window shows it) but does not run that handler again;
// handlers of other controls, and other events of the same control, do run.
// Because a (control, event) pair appears at most once on the call stack,
// chains of handlers that set each other always end.
//
// User actions (Click, Type, Choose, ...) are what a view or a test calls for
// a real user's gesture; they reach only a control that the user could reach:
// effectively enabled and visible (its own flags and those of every frame it
// sits in). They return whether the gesture reached the control.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexilor {

class Control;
class Form;

// kLine and kShape are drawn only (a sketch in a window): a line, the outline
// of a rectangle. Where they stand, as every control, is the view's
// business. Neither takes the focus nor answers a gesture.
enum class ControlKind { kButton, kTextBox, kCombo, kList, kOption, kCheck, kFrame, kLabel, kMenu, kLine, kShape };

// Index of a control that is not an element of a control array.
inline constexpr int kNoIndex = -1;

// A window's place on the screen and its size, in twips (1440 per inch).
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Caret and selection of a text box, in code points.
struct TextSelection {
  int start = 0;
  int length = 0;
  friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// Design-time description of a control, given to Form::Add.
struct ControlDesign {
  ControlKind kind = ControlKind::kLabel;
  std::string name{};
  int index = kNoIndex;            // element of the control array `name`
  std::string text{};                // caption, or a text box's text
  Control* container = nullptr;    // frame (or parent menu) holding it; nullptr = the form
  std::string group{};               // option buttons: exclusive group, by convention the frame's name
  std::string toolTip{};
  bool checked = false;            // option buttons and check boxes, set without events
  bool multiLine = false;         // text boxes: "\r\n" breaks lines, Enter types one
  bool fixedPitch = false;        // shown in a fixed-pitch font
  // A read-only box that shows its text fitted to the width it gets:
  // centred, and a long text (a path) shortened in its middle.
  bool fitted = false;
};

class Control {
 public:
  using Handler = std::function<void()>;
  using KeyHandler = std::function<void(int& key)>;

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // --- Identity ---
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  std::string Id() const;  // "txt1(3)" or "cmdOK", for diagnostics
  Form& Owner() const { return *owner_; }
  Control* Container() const { return container_; }
  const std::string& Group() const { return group_; }

  // --- Properties ---
  // The caption, a text box's text, or the selected item of a list or combo
  // ("" when none is selected).
  std::string Text() const;
  bool Enabled() const { return enabled_; }
  bool Visible() const { return visible_; }
  // Own flag and the flags of every container: what the user sees.
  bool EffectivelyEnabled() const;
  bool EffectivelyVisible() const;
  const std::string& ToolTip() const { return toolTip_; }
  bool Checked() const { return checked_; }
  const std::vector<std::string>& Items() const { return items_; }
  int ListCount() const { return static_cast<int>(items_.size()); }
  int ListIndex() const { return listIndex_; }  // -1 = none
  TextSelection Selection() const { return selection_; }
  std::string SelectedText() const;
  bool ReadOnly() const { return readOnly_; }
  int MaxLength() const { return maxLength_; }  // code points; 0 = no limit
  bool Bold() const { return bold_; }
  bool FixedPitch() const { return fixedPitch_; }
  bool Fitted() const { return fitted_; }
  bool MultiLine() const { return multiLine_; }
  bool HasFocus() const;
  // Place in the form's tab order, from 0 (see Form::TabOrder); -1 for a menu.
  int TabIndex() const;

  // --- Handlers (named after the window logic's `txtX_Change` etc.) ---
  Control& OnClick(Handler handler);
  Control& OnChange(Handler handler);
  Control& OnKeyPress(KeyHandler handler);  // set the key to 0 to cancel it
  Control& OnGotFocus(Handler handler);
  Control& OnLostFocus(Handler handler);
  Control& OnDblClick(Handler handler);

  // --- Setters for window logic (events as described at the top) ---
  // Text box: replaces the text (caret to the start, Change when different).
  // List or combo: selects the first item equal to `text` (Click when the
  // index changes); a text that is no item changes nothing.
  // Other kinds: the caption.
  void SetText(std::string text);
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void SetVisible(bool visible) { visible_ = visible; }
  void SetToolTip(std::string tip) { toolTip_ = std::move(tip); }
  void SetChecked(bool checked);
  // -1 clears the selection; an index outside -1..ListCount()-1 is refused
  // (false) and changes nothing.
  bool SetListIndex(int index);
  void AddItem(std::string item);
  // Removing the selected item leaves no selection; removing an item above it
  // keeps the same item selected. Neither runs Click. Out of range: false.
  bool RemoveItem(int index);
  void ClearItems();  // no selection afterwards, no Click
  void SetItems(std::vector<std::string> items);  // ClearItems, then the items
  // Clamped into the text. Runs nothing.
  void SetSelection(int start, int length);
  void SelectAll() { SetSelection(0, CodePointLength()); }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // Limits what the user types or pastes, not what the program sets.
  void SetMaxLength(int maxLength) { maxLength_ = maxLength < 0 ? 0 : maxLength; }
  void SetBold(bool bold) { bold_ = bold; }
  // Moves the control to place `index` of the form's tab order, the others
  // keeping their order around it, as a classic toolkit renumbers them. An
  // index past the end puts it last. Runs nothing; a menu has no place.
  void SetTabIndex(int index);
  // Moves the focus here (LostFocus of the old control, then GotFocus here).
  // Refused (false) for frames, labels and menus and for a control the user
  // could not reach. A LostFocus handler that moves the focus elsewhere wins.
  bool SetFocus();

  // --- User actions ---
  // Check box: toggles. Option: selects. List, combo: nothing (false; they
  // are clicked by choosing). Other kinds: Click. A control that takes the
  // focus gets it first, as under a mouse click.
  bool Click();
  bool DoubleClick();
  // Text box: one key press per code point: KeyPress (which may change or
  // cancel the key), then the edit at the caret (replacing the selection),
  // then Change when the text changed. "\b" (8) is backspace; Enter (13)
  // breaks the line in a multi-line box and edits nothing otherwise; other
  // control codes edit nothing. A read-only box runs KeyPress only.
  bool Type(std::string_view keys);
  bool PressDelete();  // deletes the selection or the code point after the caret
  // The user replaced the whole text without key presses (paste, cut, undo):
  // cut to the maximum length, caret at the end, Change when different.
  bool ReplaceText(std::string text);
  bool Choose(int index);  // list or combo: SetListIndex as a user

 private:
  friend class Form;
  enum Event { kClick, kChange, kKeyPress, kGotFocus, kLostFocus, kDblClick, kEventCount };

  Control(Form& owner, ControlDesign spec);

  bool Reachable() const;
  int CodePointLength() const;
  void PressKey(char32_t codePoint);
  void EditText(std::string text, TextSelection selection);
  void RunFocusEvent(bool gained);

  Form* owner_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Control* container_;
  std::string group_;
  std::string text_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string toolTip_;
  bool checked_ = false;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  TextSelection selection_{};
  bool readOnly_ = false;
  int maxLength_ = 0;
  bool bold_ = false;
  bool fixedPitch_;
  bool fitted_;
  bool multiLine_;

  Handler onClick_;
  Handler onChange_;
  KeyHandler onKeyPress_;
  Handler onGotFocus_;
  Handler onLostFocus_;
  Handler onDblClick_;
  std::array<bool, kEventCount> running_{};  // handlers on the call stack
};

}  // namespace vexilor
