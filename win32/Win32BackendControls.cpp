#include "Win32BackendControls.h"

#include <commctrl.h>
#include <imm.h>

#include <string>
#include <utility>

#include "Cp932.h"
#include "Win32BackendForm.h"

void TControlWindow::Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                            int id) {
  const TRect& b = control_.Bounds();
  // Every control starts a group of its own: arrow keys move nothing
  // between controls, as no caption has an access key either.
  style |= WS_CHILD | WS_GROUP | (control_.Visible() ? WS_VISIBLE : 0);
  HWND hwnd = CreateWindowExW(
      exStyle, className, text.c_str(), style, b.Left, b.Top, b.Width, WindowHeight(b), form_.Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return;
  Attach(hwnd, true);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(form_.FontFor(control_.Font)), FALSE);
}

void TControlWindow::VisibleChanged(bool visible) {
  if (!Handle()) return;
  if (!visible) form_.FocusLeaving(Handle());
  ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

void TControlWindow::BoundsChanged(const TRect& bounds) {
  if (!Handle()) return;
  SetWindowPos(Handle(), nullptr, bounds.Left, bounds.Top, bounds.Width, WindowHeight(bounds),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

class TEditWindow : public TControlWindow {
 public:
  TEditWindow(TFormWindow& form, TEdit& edit, int id) : TControlWindow(form, edit), edit_(edit) {
    Create(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, WideFromCp932(edit.Text()), id);
    if (!Handle()) return;
    // No limit: a long server list or address is never cut.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
    // Addresses and server names are typed as plain characters.
    if (edit.ImeClose) ImmAssociateContext(Handle(), nullptr);
  }

  void TextChanged(const AnsiString& text) override {
    if (!Handle()) return;
    // The edit reports its own SetWindowText as a change (even to the same
    // text); the model has already run its handler for this one.
    ++updating_;
    SetWindowTextW(Handle(), WideFromCp932(text).c_str());
    --updating_;
  }

  void Command(WORD code) override {
    if (code == EN_CHANGE && updating_ == 0) edit_.UserEdit(Cp932FromWide(WindowText(Handle())));
  }

  bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    switch (msg) {
      case WM_LBUTTONDOWN: pressed_ = true; return false;
      case WM_LBUTTONDBLCLK: pressed_ = false; return false;
      case WM_LBUTTONUP: {
        // The edit ends its own capture first; a click counts only when
        // released inside the field.
        result = CallPrevious(msg, wp, lp);
        const bool click = std::exchange(pressed_, false) && Inside(lp);
        if (click) edit_.UserClick();
        return true;
      }
      default: return false;
    }
  }

 private:
  bool Inside(LPARAM lp) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    return PtInRect(&client, p) != FALSE;
  }

  TEdit& edit_;
  int updating_ = 0;
  bool pressed_ = false;
};

class TPushButtonWindow : public TControlWindow {
 public:
  TPushButtonWindow(TFormWindow& form, TButton& button, int id)
      : TControlWindow(form, button), button_(button) {
    Create(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, WideFromCp932(button.Caption), id);
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED) button_.UserClick();
  }

 private:
  TButton& button_;
};

class TCheckBoxWindow : public TControlWindow {
 public:
  TCheckBoxWindow(TFormWindow& form, TCheckBox& box, int id) : TControlWindow(form, box), box_(box) {
    Create(L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, WideFromCp932(box.Caption), id);
    CheckedChanged(box.Checked());
  }
  void CheckedChanged(bool checked) override {
    if (Handle()) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED) box_.UserToggle(SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
  }

 private:
  TCheckBox& box_;
};

// A plain radio button: the window never checks itself, the model decides
// and unchecks the others of its group.
class TRadioButtonWindow : public TControlWindow {
 public:
  TRadioButtonWindow(TFormWindow& form, TRadioButton& radio, int id)
      : TControlWindow(form, radio), radio_(radio) {
    Create(L"BUTTON", BS_RADIOBUTTON, 0, WideFromCp932(radio.Caption), id);
    CheckedChanged(radio.Checked());
  }
  void CheckedChanged(bool checked) override {
    if (!Handle()) return;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    // Only the checked button is a tab stop: a radio button that receives
    // the focus from the keyboard reports a click, so tabbing through the
    // window would otherwise change the mode.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED && !form_.ClicksSuppressed()) radio_.UserClick();
  }

 private:
  TRadioButton& radio_;
};

class TStatusBarWindow : public TControlWindow {
 public:
  TStatusBarWindow(TFormWindow& form, TStatusBar& bar, int id) : TControlWindow(form, bar) {
    // Placed like any control: neither docked to the bottom nor sized by
    // the status bar itself, and without a size grip.
    Create(STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, L"", id);
    if (!Handle()) return;
    SendMessageW(Handle(), SB_SIMPLE, TRUE, 0);
    TextChanged(bar.SimpleText());
  }
  void TextChanged(const AnsiString& text) override {
    if (Handle())
      SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(WideFromCp932(text).c_str()));
  }
};

}  // namespace

std::unique_ptr<TControlWindow> MakeControlWindow(TFormWindow& form, TControl& control, int id) {
  switch (control.Kind()) {
    case TControlKind::Edit: return std::make_unique<TEditWindow>(form, static_cast<TEdit&>(control), id);
    case TControlKind::Button:
      return std::make_unique<TPushButtonWindow>(form, static_cast<TButton&>(control), id);
    case TControlKind::CheckBox:
      return std::make_unique<TCheckBoxWindow>(form, static_cast<TCheckBox&>(control), id);
    case TControlKind::RadioButton:
      return std::make_unique<TRadioButtonWindow>(form, static_cast<TRadioButton&>(control), id);
    case TControlKind::StatusBar:
      return std::make_unique<TStatusBarWindow>(form, static_cast<TStatusBar&>(control), id);
    case TControlKind::ListBox:
    case TControlKind::ComboBox: return MakeListWindow(form, static_cast<TListControl&>(control), id);
    case TControlKind::Label:
    case TControlKind::Image: break;
  }
  return nullptr;
}
