// The list box and the drop-down lists. The model decides every position:
// the list box is created unsorted and each item goes in at the model's
// index, so both orders agree by construction.

#include <windows.h>
// <commctrl.h> needs <windows.h> before it.
#include <commctrl.h>

#include "Cp932.h"
#include "Win32BackendControls.h"
#include "Win32BackendForm.h"

namespace {

// The messages that differ between the two kinds.
struct TListMessages {
  const wchar_t* className;
  DWORD style;
  UINT reset, insert, setCurSel, getCurSel, setItemHeight;
  WORD selChange;
};

const TListMessages kListBox{L"LISTBOX",       WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                             LB_RESETCONTENT,  LB_INSERTSTRING,
                             LB_SETCURSEL,     LB_GETCURSEL,
                             LB_SETITEMHEIGHT, LBN_SELCHANGE};
const TListMessages kComboBox{L"COMBOBOX",      WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                              CB_RESETCONTENT,  CB_INSERTSTRING,
                              CB_SETCURSEL,     CB_GETCURSEL,
                              CB_SETITEMHEIGHT, CBN_SELCHANGE};

// Items a drop-down list shows at once when opened.
constexpr int kDroppedItems = 8;

class TListWindow : public TControlWindow {
 public:
  TListWindow(TFormWindow& form, TListControl& list, const TListMessages& m, int id)
      : TControlWindow(form, list), list_(list), m_(m) {
    Create(m.className, m.style, WS_EX_CLIENTEDGE, L"", id);
    if (!Handle()) return;
    if (list.ItemHeight > 0) SendMessageW(Handle(), m.setItemHeight, 0, list.ItemHeight);
    if (IsCombo()) FitClosedHeight();
    ItemsAssigned(list.Items().Items());
    ItemIndexChanged(list.ItemIndex());
  }

  void ItemsCleared() override {
    if (Handle()) SendMessageW(Handle(), m_.reset, 0, 0);
  }
  void ItemInserted(int index, const AnsiString& text) override {
    if (Handle())
      SendMessageW(Handle(), m_.insert, index, reinterpret_cast<LPARAM>(WideFromCp932(text).c_str()));
  }
  void ItemsAssigned(const std::vector<AnsiString>& items) override {
    if (!Handle()) return;
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), m_.reset, 0, 0);
    for (std::size_t i = 0; i < items.size(); ++i) ItemInserted(static_cast<int>(i), items[i]);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
  void ItemIndexChanged(int index) override {
    // -1 said outright: a drop-down list keeps its old selection when asked
    // for an index beyond its items.
    if (Handle()) SendMessageW(Handle(), m_.setCurSel, index < 0 ? -1 : index, 0);
  }

  void Command(WORD code) override {
    if (code != m_.selChange) return;
    const int index = static_cast<int>(SendMessageW(Handle(), m_.getCurSel, 0, 0));
    if (IsCombo())
      static_cast<TComboBox&>(list_).UserSelect(index);
    else
      static_cast<TListBox&>(list_).UserSelect(index);
  }

 protected:
  // A drop-down list is created with the height of its opened list; the
  // closed box keeps the model's height.
  int WindowHeight(const TRect& bounds) const override {
    if (!IsCombo()) return bounds.Height;
    return bounds.Height + kDroppedItems * (list_.ItemHeight > 0 ? list_.ItemHeight : bounds.Height) + 2;
  }

 private:
  bool IsCombo() const { return list_.Kind() == TControlKind::ComboBox; }

  // The closed box's height follows its selection field: grow or shrink the
  // field until the box is as high as the model says. Asked for a field
  // height, Wine keeps one 2 pixels higher, so the request is corrected by
  // what comes out rather than computed once.
  void FitClosedHeight() {
    int request = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
      RECT r;
      GetWindowRect(Handle(), &r);
      const int off = list_.Height() - (r.bottom - r.top);
      if (off == 0 || request + off <= 0) return;
      request += off;
      SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
    }
  }

  TListControl& list_;
  const TListMessages& m_;
};

}  // namespace

std::unique_ptr<TControlWindow> MakeListWindow(TFormWindow& form, TListControl& control, int id) {
  const TListMessages& m = control.Kind() == TControlKind::ComboBox ? kComboBox : kListBox;
  return std::make_unique<TListWindow>(form, control, m, id);
}
