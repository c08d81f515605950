#include "Win32BackendForm.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <utility>

#include "Cp932.h"
#include "Win32Backend.h"
#include "Win32BackendControls.h"
#include "Win32BackendPainted.h"

namespace {

// Control ids start above IDOK and IDCANCEL, which Enter and Esc send.
constexpr int kFirstControlId = 100;

const DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;

std::wstring RegisterFormClass(const TForm& form) {
  std::wstring name = L"T" + WideFromCp932(form.Name());
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, name.c_str(), &wc)) return name;
  const std::wstring icon = WideFromCp932(form.Icon());
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TFormWindow::ClassProc;
  wc.hInstance = instance;
  wc.hIcon = icon.empty() ? nullptr : LoadIconW(instance, icon.c_str());
  wc.hIconSm =
      icon.empty()
          ? nullptr
          : static_cast<HICON>(LoadImageW(instance, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name.c_str();
  RegisterClassExW(&wc);
  return name;
}

bool SameFont(const TFont& a, const TFont& b) {
  return a.Name == b.Name && a.Charset == b.Charset && a.Height == b.Height && a.Bold == b.Bold &&
         a.Underline == b.Underline;
}

}  // namespace

TFormWindow::TFormWindow(TWin32Backend& backend, TForm& form) : backend_(backend), form_(form) {
  const std::wstring className = RegisterFormClass(form);
  const TRect& b = form.Bounds();
  CreateOwn(0, className.c_str(), WideFromCp932(form.Caption()).c_str(), kFormStyle, b.Left, b.Top, b.Width,
            b.Height, backend.ApplicationWindow());
}

TFormWindow::~TFormWindow() { DestroyHandle(); }

void TFormWindow::CreateControls() {
  if (!Handle()) return;
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(form_.Font())), FALSE);
  std::vector<std::pair<int, HWND>> tabStops;
  int id = kFirstControlId;
  for (TControl* control : form_.Controls()) {
    if (auto window = MakeControlWindow(*this, *control, id++)) {
      if (window->Handle())
        tabStops.emplace_back(control->TabOrder < 0 ? INT_MAX : control->TabOrder, window->Handle());
      control->AttachPeer(std::move(window));
    } else if (auto painted = MakePaintedPeer(*this, *control)) {
      control->AttachPeer(std::move(painted));
    }
  }
  // Tab follows the z-order of the children: put them in tab order, the
  // controls outside it last.
  std::stable_sort(tabStops.begin(), tabStops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  HWND after = HWND_TOP;
  for (const auto& stop : tabStops) {
    SetWindowPos(stop.second, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = stop.second;
  }
}

HFONT TFormWindow::FontFor(const TFont& font) {
  for (const TFontEntry& entry : fonts_)
    if (SameFont(entry.font, font)) return entry.handle.Get();
  const std::wstring face = WideFromCp932(font.Name);
  TFontHandle handle(CreateFontW(font.Height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE,
                                 font.Underline ? TRUE : FALSE, FALSE, static_cast<DWORD>(font.Charset),
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  fonts_.push_back({font, std::move(handle)});
  return fonts_.back().handle.Get();
}

void TFormWindow::InvalidateControl(const TRect& b) {
  if (!Handle()) return;
  const RECT r{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height};
  InvalidateRect(Handle(), &r, TRUE);
}

void TFormWindow::BoundsChanged(const TRect& b) {
  if (Handle())
    SetWindowPos(Handle(), nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormWindow::Shown() {
  if (!Handle()) return;
  backend_.FormShown();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
}

void TFormWindow::FocusLeaving(HWND control) {
  if (GetFocus() != control) return;
  HWND next = GetNextDlgTabItem(Handle(), control, FALSE);
  if (next && next != control)
    SetFocusQuietly(next);
  else
    SetFocus(Handle());
  savedFocus_ = GetFocus();
}

void TFormWindow::SetFocusQuietly(HWND hwnd) {
  ++suppressClicks_;
  SetFocus(hwnd);
  --suppressClicks_;
}

void TFormWindow::RestoreFocus() {
  HWND target = savedFocus_;
  if (!target || !IsWindow(target) || !IsChild(Handle(), target) || !IsWindowVisible(target) ||
      !IsWindowEnabled(target))
    target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (target) SetFocusQuietly(target);
}

void TFormWindow::ReflectCommand(WPARAM wp, LPARAM lp) {
  // Only a child's own notification: Enter and Esc arrive as IDOK and
  // IDCANCEL without a window and have no meaning here.
  if (TWin32Window* child = Find(reinterpret_cast<HWND>(lp)); child && child != this)
    child->Command(HIWORD(wp));
}

TControl* TFormWindow::PaintedAt(POINT p) const {
  const auto& controls = form_.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (c->Kind() != TControlKind::Image && c->Kind() != TControlKind::Label)) continue;
    const TRect& b = c->Bounds();
    if (p.x >= b.Left && p.x < b.Left + b.Width && p.y >= b.Top && p.y < b.Top + b.Height) return c;
  }
  return nullptr;
}

void TFormWindow::MouseDown(POINT p) {
  pressed_ = PaintedAt(p);
  if (pressed_) SetCapture(Handle());
}

void TFormWindow::MouseUp(POINT p) {
  TControl* pressed = std::exchange(pressed_, nullptr);
  if (GetCapture() == Handle()) ReleaseCapture();
  // A click: pressed and released over the same picture.
  if (pressed && pressed == PaintedAt(p) && pressed->Kind() == TControlKind::Image)
    static_cast<TImage*>(pressed)->UserClick();
}

void TFormWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  for (TControl* c : form_.Controls())
    if (c->Visible())
      if (auto* painted = dynamic_cast<TPaintedPeer*>(c->Peer())) painted->Paint(dc);
  EndPaint(Handle(), &ps);
}

bool TFormWindow::Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_COMMAND: ReflectCommand(wp, lp); return true;
    case WM_PAINT: Paint(); return true;
    case WM_LBUTTONDOWN: MouseDown(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return true;
    case WM_LBUTTONUP: MouseUp(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return true;
    case WM_CAPTURECHANGED: pressed_ = nullptr; return false;
    case WM_CLOSE:
      // The model decides whether the window closes; never destroyed here.
      form_.Close();
      return true;
    case WM_WINDOWPOSCHANGED:
      if (!IsIconic(Handle())) {
        RECT r;
        GetWindowRect(Handle(), &r);
        form_.WindowBoundsChanged(TRect{r.left, r.top, r.right - r.left, r.bottom - r.top});
      }
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) savedFocus_ = focus;
        return false;
      }
      if (HIWORD(wp)) return false;  // minimised
      RestoreFocus();
      return true;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_MINIMIZE) {
        backend_.Minimize();
        return true;
      }
      return false;
    default: return false;
  }
}
