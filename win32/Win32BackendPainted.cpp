#include "Win32BackendPainted.h"

#include <algorithm>
#include <string>

#include "Cp932.h"
#include "Win32BackendForm.h"

void TPaintedPeer::VisibleChanged(bool) { form_.InvalidateControl(control_.Bounds()); }

void TPaintedPeer::BoundsChanged(const TRect& bounds) {
  form_.InvalidateControl(painted_);
  form_.InvalidateControl(bounds);
  painted_ = bounds;
}

void TPaintedPeer::TextChanged(const AnsiString&) { form_.InvalidateControl(control_.Bounds()); }

namespace {

RECT ToRect(const TRect& b) { return RECT{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height}; }

class TLabelPeer : public TPaintedPeer {
 public:
  TLabelPeer(TFormWindow& form, TLabel& label) : TPaintedPeer(form, label), label_(label) {
    painted_ = label.Bounds();
  }
  void Paint(HDC dc) override {
    RECT r = ToRect(label_.Bounds());
    // Opaque, in the form's colour: a label hides what lies below it.
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    TSelectObject font(dc, form_.FontFor(label_.Font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(label_.Font.Color));
    const std::wstring text = WideFromCp932(label_.Caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }

 private:
  TLabel& label_;
};

class TImagePeer : public TPaintedPeer {
 public:
  TImagePeer(TFormWindow& form, TImage& image) : TPaintedPeer(form, image), image_(image) {
    painted_ = image.Bounds();
    const std::wstring name = WideFromCp932(image.Picture);
    bitmap_ = TBitmapHandle(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (bitmap_ && GetObjectW(bitmap_.Get(), sizeof info, &info)) size_ = SIZE{info.bmWidth, info.bmHeight};
  }
  void Paint(HDC dc) override {
    if (!bitmap_) return;
    const TRect& b = image_.Bounds();
    TMemoryDc source(dc);
    TSelectObject select(source.Get(), bitmap_.Get());
    if (image_.Stretch) {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchBlt(dc, b.Left, b.Top, b.Width, b.Height, source.Get(), 0, 0, size_.cx, size_.cy, SRCCOPY);
    } else {
      // Natural size from the top left, cut off at the control's edges.
      BitBlt(dc, b.Left, b.Top, std::min<LONG>(b.Width, size_.cx), std::min<LONG>(b.Height, size_.cy),
             source.Get(), 0, 0, SRCCOPY);
    }
  }

 private:
  TImage& image_;
  TBitmapHandle bitmap_;
  SIZE size_{0, 0};
};

}  // namespace

std::unique_ptr<TPaintedPeer> MakePaintedPeer(TFormWindow& form, TControl& control) {
  switch (control.Kind()) {
    case TControlKind::Label: return std::make_unique<TLabelPeer>(form, static_cast<TLabel&>(control));
    case TControlKind::Image: return std::make_unique<TImagePeer>(form, static_cast<TImage&>(control));
    default: return nullptr;
  }
}
