#pragma once
// Controls as models: each holds its own state and fires its own events by
// the rules the program relies on. A backend may attach a peer that mirrors
// the state into a real window; the window's messages come back through the
// User... entry points, the same ones headless tests call.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Classes.h"

class TForm;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

struct TRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TRect&) const = default;
};

// <wingdi.h> defines both as macros of the same values.
#ifndef ANSI_CHARSET
inline constexpr int ANSI_CHARSET = 0;
#endif
#ifndef SHIFTJIS_CHARSET
inline constexpr int SHIFTJIS_CHARSET = 128;
#endif

struct TFont {
  AnsiString Name;  // face name, code page 932
  int Charset = ANSI_CHARSET;
  int Height = 0;  // negative: character height in pixels
  bool Bold = false;
  bool Underline = false;
  std::uint32_t Color = 0;  // clBlack
};

enum class TControlKind { Label, Image, RadioButton, Edit, Button, CheckBox, ListBox, ComboBox, StatusBar };

// What a backend mirrors of a control. Every call reports a change the model
// has already made; a peer never raises events of its own from these.
class TControlPeer {
 public:
  virtual ~TControlPeer() = default;
  virtual void VisibleChanged(bool visible) = 0;
  virtual void BoundsChanged(const TRect& bounds) = 0;
  virtual void TextChanged(const AnsiString&) {}
  virtual void CheckedChanged(bool) {}
  virtual void ItemsCleared() {}
  virtual void ItemInserted(int, const AnsiString&) {}
  virtual void ItemsAssigned(const std::vector<AnsiString>&) {}
  virtual void ItemIndexChanged(int) {}
};

class TControl : public TObject {
 public:
  TControl(TForm& owner, AnsiString name, TControlKind kind);
  ~TControl() override;

  const AnsiString& Name() const { return name_; }
  TControlKind Kind() const { return kind_; }
  TForm& Owner() const { return owner_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  const TRect& Bounds() const { return bounds_; }
  void SetBounds(const TRect& bounds);
  void SetWidth(int width);
  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width; }
  int Height() const { return bounds_.Height; }

  TFont Font;
  int TabOrder = -1;  // -1: takes no part in Tab

  TControlPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<TControlPeer> peer) { peer_ = std::move(peer); }

 protected:
  void Fire(const TNotifyEvent& handler);

 private:
  TForm& owner_;
  AnsiString name_;
  TControlKind kind_;
  bool visible_ = true;
  TRect bounds_;
  std::unique_ptr<TControlPeer> peer_;
};

class TLabel : public TControl {
 public:
  TLabel(TForm& owner, AnsiString name) : TControl(owner, std::move(name), TControlKind::Label) {}
  AnsiString Caption;
};

class TImage : public TControl {
 public:
  TImage(TForm& owner, AnsiString name) : TControl(owner, std::move(name), TControlKind::Image) {}
  AnsiString Picture;  // resource name of the bitmap
  bool Stretch = false;
  TNotifyEvent OnClick;
  void UserClick() { Fire(OnClick); }
};

class TButton : public TControl {
 public:
  TButton(TForm& owner, AnsiString name) : TControl(owner, std::move(name), TControlKind::Button) {}
  AnsiString Caption;
  TNotifyEvent OnClick;
  void UserClick() { Fire(OnClick); }
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TForm& owner, AnsiString name)
      : TControl(owner, std::move(name), TControlKind::CheckBox) {}
  AnsiString Caption;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The user toggled the box; the window already shows the new state.
  void UserToggle(bool checked) { checked_ = checked; }

 private:
  bool checked_ = false;
};

// Checking a radio button unchecks the other buttons of its form without
// their handlers and then runs its own OnClick, once, only if it was not
// checked: the same for the program and for the user's click.
class TRadioButton : public TControl {
 public:
  TRadioButton(TForm& owner, AnsiString name)
      : TControl(owner, std::move(name), TControlKind::RadioButton) {}
  AnsiString Caption;
  TNotifyEvent OnClick;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void UserClick() { SetChecked(true); }

 private:
  void SetState(bool checked);
  bool checked_ = false;
};

// Setting a different text runs OnChange once, at once; the same text runs
// nothing, whoever sets it.
class TEdit : public TControl {
 public:
  TEdit(TForm& owner, AnsiString name) : TControl(owner, std::move(name), TControlKind::Edit) {}
  const AnsiString& Text() const { return text_; }
  void SetText(const AnsiString& text);
  // The user changed the text in the window.
  void UserEdit(const AnsiString& text);
  // A left click pressed and released inside the field.
  void UserClick() { Fire(OnClick); }
  TNotifyEvent OnChange;
  TNotifyEvent OnClick;
  bool ImeClose = false;
  AnsiString ImeName;

 private:
  AnsiString text_;
};

// Common to the list box and the combo box: items and one selection. The
// program's changes run no handler; a selection beyond the items leaves none.
class TListControl : public TControl {
 public:
  using TControl::TControl;
  const TStringList& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  void Clear();
  int AddItem(const AnsiString& text);
  // Replaces all items at once (a sorted list sorts them once).
  void AssignItems(std::vector<AnsiString> items);
  int ItemHeight = 0;
  AnsiString ImeName;

 protected:
  void UserSelectIndex(int index, const TNotifyEvent& handler);
  virtual int InsertPosition(const AnsiString&) const { return items_.Count(); }
  virtual void Arrange(std::vector<AnsiString>&) const {}

 private:
  TStringList items_;
  int itemIndex_ = -1;
};

class TListBox : public TListControl {
 public:
  TListBox(TForm& owner, AnsiString name)
      : TListControl(owner, std::move(name), TControlKind::ListBox) {}
  bool Sorted = false;
  TNotifyEvent OnClick;
  void UserSelect(int index) { UserSelectIndex(index, OnClick); }

 protected:
  int InsertPosition(const AnsiString& text) const override;
  void Arrange(std::vector<AnsiString>& items) const override;
};

class TComboBox : public TListControl {
 public:
  TComboBox(TForm& owner, AnsiString name)
      : TListControl(owner, std::move(name), TControlKind::ComboBox) {}
  TNotifyEvent OnChange;
  void UserSelect(int index) { UserSelectIndex(index, OnChange); }
};

class TStatusBar : public TControl {
 public:
  TStatusBar(TForm& owner, AnsiString name)
      : TControl(owner, std::move(name), TControlKind::StatusBar) {}
  const AnsiString& SimpleText() const { return simpleText_; }
  void SetSimpleText(const AnsiString& text);

 private:
  AnsiString simpleText_;
};

// The order a sorted list box keeps: that of the locale's comparison, letter
// case ignored, punctuation before digits before letters.
bool ListOrderLess(const AnsiString& a, const AnsiString& b);
