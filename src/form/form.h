#pragma once
// A toolkit-free window: its controls, caption, visibility, focus and modal
// state, and the form-level events Load, Activate, QueryUnload and Unload.
//
// A window class derives from Form (or owns one), adds its controls in its
// constructor, keeps the references Add returns and binds its handlers:
//
//   Control& cmdOK = Add({.kind = ControlKind::kButton, .name = "cmdOK", .text = "OK"});
//   cmdOK.OnClick([this] { cmdOK_Click(); });
//
// Forms are shown only through the Platform (Show, ShowModal), which runs
// Load before the first showing and Activate at every showing and whenever a
// modal form shown over this one hides. Window logic hides a form with Hide.
// A form is created once and lives as long as the program; it is never
// unloaded, so Load runs once in its life.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "form/control.h"

namespace vexilor {

class Form {
 public:
  using Handler = std::function<void()>;
  using CancelHandler = std::function<void(bool& cancel)>;

  explicit Form(std::string name, std::string caption = {});
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form() = default;

  // Adds a control; its container must already belong to this form. A
  // control array is built by adding elements with the same name and their
  // indices.
  Control& Add(ControlDesign spec);
  // nullptr when there is no such control.
  Control* Find(std::string_view name, int index = kNoIndex) const;
  // The elements of a control array, by ascending index.
  std::vector<Control*> Array(std::string_view name) const;
  // All controls in the order they were added (containers before contents).
  std::size_t ControlCount() const { return controls_.size(); }
  Control& ControlAt(std::size_t position) const { return *controls_[position]; }

  // Every control but the menus, in tab order: the order in which they were
  // added until SetTabIndex changes it.
  const std::vector<Control*>& TabOrder() const { return tabOrder_; }

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // Where the window's frame stands on the screen and how large it is, in
  // twips. Window rules place windows by it; the size is the one the view
  // gives the window for what it shows, and the view writes it here.
  const TwipsRect& Position() const { return position_; }
  void Move(const TwipsRect& position) { position_ = position; }
  bool Visible() const { return visible_; }
  bool Loaded() const { return loaded_; }
  bool Modal() const { return modal_; }
  Control* Focused() const { return focused_; }

  // The buttons that Enter and Escape press, as a classic toolkit's Default
  // and Cancel buttons; nullptr when the window has none.
  void SetDefaultButton(Control& button) { defaultButton_ = &button; }
  void SetCancelButton(Control& button) { cancelButton_ = &button; }
  Control* DefaultButton() const { return defaultButton_; }
  Control* CancelButton() const { return cancelButton_; }

  Form& OnLoad(Handler handler);
  Form& OnActivate(Handler handler);
  // The user asks to close the window; set `cancel` to keep it.
  Form& OnQueryUnload(CancelHandler handler);
  Form& OnUnload(CancelHandler handler);

  // Runs Form_Load unless it has run already (a form can be loaded without
  // being shown).
  void Load();
  void Hide() { visible_ = false; }

  // User action: the Tab key (Shift+Tab when `backwards`) moves the focus to
  // the next control in tab order, round the end, that the user could focus.
  // False when there is none.
  bool PressTab(bool backwards = false);

  // User action: the window's close box. QueryUnload, then Unload, each able
  // to cancel; then the form hides. False when cancelled.
  bool RequestClose();
  // User actions: the Enter key clicks the focused button, or else the
  // default button; the Escape key clicks the cancel button. False when no
  // button the user could reach took the key.
  bool PressEnter();
  bool PressEscape();

 private:
  friend class Control;
  friend class Platform;

  void MakeVisible() { visible_ = true; }
  void SetModal(bool modal) { modal_ = modal; }
  void Activate();
  void MoveFocus(Control* target);
  void ClearOtherOptions(const Control& chosen);
  void MoveInTabOrder(Control& control, int index);

  std::string name_;
  std::string caption_;
  TwipsRect position_{};
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Control*> tabOrder_;
  bool visible_ = false;
  bool loaded_ = false;
  bool modal_ = false;
  Control* focused_ = nullptr;
  Control* defaultButton_ = nullptr;
  Control* cancelButton_ = nullptr;
  unsigned focusMoves_ = 0;  // counts focus moves, so a nested move can win

  Handler onLoad_;
  Handler onActivate_;
  CancelHandler onQueryUnload_;
  CancelHandler onUnload_;
  bool activating_ = false;
  bool closing_ = false;
};

}  // namespace vexilor
