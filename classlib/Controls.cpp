#include "Controls.h"

#include <algorithm>
#include <cstring>

#include "Forms.h"

TControl::TControl(TForm& owner, AnsiString name, TControlKind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind) {}

TControl::~TControl() = default;

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (peer_) peer_->VisibleChanged(visible);
}

void TControl::SetBounds(const TRect& bounds) {
  if (bounds_ == bounds) return;
  bounds_ = bounds;
  if (peer_) peer_->BoundsChanged(bounds);
}

void TControl::SetWidth(int width) {
  TRect b = bounds_;
  b.Width = width;
  SetBounds(b);
}

void TControl::Fire(const TNotifyEvent& handler) {
  if (handler) owner_.Dispatch([&] { handler(this); });
}

void TCheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  if (Peer()) Peer()->CheckedChanged(checked);
}

void TRadioButton::SetState(bool checked) {
  checked_ = checked;
  if (Peer()) Peer()->CheckedChanged(checked);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked_ == checked) return;
  if (!checked) {
    SetState(false);
    return;
  }
  // The group is every radio button of the form.
  for (TControl* other : Owner().Controls())
    if (other != this && other->Kind() == TControlKind::RadioButton) {
      auto* radio = static_cast<TRadioButton*>(other);
      if (radio->checked_) radio->SetState(false);
    }
  SetState(true);
  Fire(OnClick);
}

void TEdit::SetText(const AnsiString& text) {
  if (text == text_) return;
  text_ = text;
  if (Peer()) Peer()->TextChanged(text_);
  Fire(OnChange);
}

void TEdit::UserEdit(const AnsiString& text) {
  if (text == text_) return;
  text_ = text;
  Fire(OnChange);
}

void TListControl::SetItemIndex(int index) {
  if (index < 0 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (Peer()) Peer()->ItemIndexChanged(index);
}

void TListControl::Clear() {
  const bool had = items_.Count() > 0 || itemIndex_ != -1;
  items_.Clear();
  itemIndex_ = -1;
  if (had && Peer()) Peer()->ItemsCleared();
}

int TListControl::AddItem(const AnsiString& text) {
  const int at = InsertPosition(text);
  items_.Insert(at, text);
  // An item inserted before the selection moves it down, as in the window.
  if (itemIndex_ >= at) ++itemIndex_;
  if (Peer()) Peer()->ItemInserted(at, text);
  return at;
}

void TListControl::AssignItems(std::vector<AnsiString> items) {
  Arrange(items);
  items_.MutableItems() = std::move(items);
  itemIndex_ = -1;
  if (Peer()) Peer()->ItemsAssigned(items_.Items());
}

void TListControl::UserSelectIndex(int index, const TNotifyEvent& handler) {
  if (index < 0 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Fire(handler);
}

int TListBox::InsertPosition(const AnsiString& text) const {
  if (!Sorted) return Items().Count();
  const auto& v = Items().Items();
  // After equal items, as the list box inserts.
  return static_cast<int>(std::upper_bound(v.begin(), v.end(), text, ListOrderLess) - v.begin());
}

void TListBox::Arrange(std::vector<AnsiString>& items) const {
  if (Sorted) std::stable_sort(items.begin(), items.end(), ListOrderLess);
}

void TStatusBar::SetSimpleText(const AnsiString& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  if (Peer()) Peer()->TextChanged(text);
}

namespace {

// Primary weight of a character: symbols, then digits, then letters
// (case folded), then everything beyond ASCII by its bytes.
int Weight(unsigned char c) {
  static const char kSymbols[] = " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>'-";
  if (c >= '0' && c <= '9') return 100 + (c - '0');
  if (c >= 'a' && c <= 'z') return 200 + (c - 'a');
  if (c >= 'A' && c <= 'Z') return 200 + (c - 'A');
  if (c < 0x80) {
    const char* at = std::strchr(kSymbols, static_cast<char>(c));
    return at && c != 0 ? static_cast<int>(at - kSymbols) : 99;
  }
  return 300 + c;
}

}  // namespace

bool ListOrderLess(const AnsiString& a, const AnsiString& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int wa = Weight(static_cast<unsigned char>(a[i]));
    const int wb = Weight(static_cast<unsigned char>(b[i]));
    if (wa != wb) return wa < wb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  // Equal but for letter case: lower case first, as the locale orders it.
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) > static_cast<unsigned char>(b[i]);
  return false;
}
