#pragma once
// A top-level window holding controls. Hidden until shown; ShowModal runs its own message loop
// until ModalResult is set, with the other windows of the thread disabled meanwhile: Tab moves
// the focus through the controls that take it, Enter clicks the focused button or else the
// Default one, Esc the Cancel one, and the close box answers mrCancel. A form that must go away
// from inside one of its own handlers calls Release, which frees it once the handler is done.
// User-interface thread only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/button.h"
#include "ruzirareva/ui/short_cut.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                       poMainFormCenter, poOwnerFormCenter };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

template <>
struct TEnumNames<TFormBorderStyle> {
  static constexpr std::array<const char*, 6> Names{"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                                    "bsSizeToolWin"};
};
template <>
struct TEnumNames<TPosition> {
  static constexpr std::array<const char*, 8> Names{"poDesigned",      "poDefault",       "poDefaultPosOnly",
                                                    "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
                                                    "poMainFormCenter",  "poOwnerFormCenter"};
};
template <>
struct TEnumNames<TFormStyle> {
  static constexpr std::array<const char*, 4> Names{"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
};

using TCloseEvent = TEvent<TPersistent*, TCloseAction&>;

class TMainMenu;

class RUZI_API TCustomForm : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomForm, TWinControl::ClassRecord())

 public:
  explicit TCustomForm(TComponent* owner = nullptr);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style) { border_style_ = style; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle style) { form_style_ = style; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool scaled) { scaled_ = scaled; }
  // The menu bar (nullptr: none); its items' commands reach their OnClick through the form.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // The control focused when the form shows (and the one focused now while it is active).
  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);

  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }
  // Shows the form and waits for ModalResult; answers it.
  int ShowModal();
  bool Modal() const { return modal_; }
  // Asks the form to close: OnClose decides (a modal form answers mrCancel).
  void Close();
  // Frees the form once the message being handled is done.
  void Release();

  // Moves the focus to the next (or previous) control that takes it, in tree order, round, from
  // `from` (nullptr: the focused or active control).
  void SelectNext(bool forward, TWinControl* from = nullptr);
  // Runs the Click of the menu item whose ShortCut is `short_cut`, looked for in the form's
  // Menu, then in the PopupMenu of `target` and of each control up from it to the form; true
  // when one ran. The form's key handling (IsFormDialogMessage) calls it for every key pressed.
  bool IsShortCut(TShortCut short_cut, TWinControl* target = nullptr);

  TCloseEvent OnClose;
  TNotifyEvent OnShow;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void DoShow() { OnShow(this); }
  // Dialog keys (Enter, Esc) pressed in `target` (nullptr: the form): true when the form used
  // the key. CM_DIALOGKEY carries the target's window in LParam.
  bool DialogKey(unsigned key, TWinControl* target);

 private:
  void PlaceAtShow();
  void Notification(TComponent* component, TOperation operation) override;

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  TFormStyle form_style_ = TFormStyle::fsNormal;
  bool scaled_ = true;
  TWinControl* active_control_ = nullptr;
  TMainMenu* menu_ = nullptr;
  int modal_result_ = mrNone;
  bool modal_ = false;
  bool release_pending_ = false;  // Release asked while modal: once the loop is done
};

class RUZI_API TForm : public TCustomForm {
  RUZI_CLASS_RECORD(TForm, TCustomForm::ClassRecord())

 public:
  explicit TForm(TComponent* owner = nullptr) : TCustomForm(owner) {}
};

// The form a control is on, or nullptr.
RUZI_API TCustomForm* GetParentForm(TControl* control);

// Gives a key to the form of the window a message is for, first as a menu shortcut, then as a
// dialog key (Tab, Enter, Esc); true when the form used the key, and the message must then not be dispatched. `msg` is a
// Win32 MSG. Message loops of hosts call it as they would IsDialogMessage.
RUZI_API bool IsFormDialogMessage(const void* msg);

}  // namespace ruzi
