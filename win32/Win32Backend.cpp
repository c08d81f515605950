#include "Win32Backend.h"

#include <commctrl.h>

#include <vector>

#include "Cp932.h"
#include "Win32BackendForm.h"

namespace {

constexpr const wchar_t* kApplicationClass = L"TApplication";
// Brings the main form forward once the application window has been
// activated (by the taskbar, or when a message box ends).
constexpr UINT kActivateMainForm = WM_APP + 1;

void RegisterApplicationClass() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kApplicationClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TWin32Window::ClassProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kApplicationClass;
  RegisterClassExW(&wc);
}

// The program's own top-level windows of this thread, but one.
std::vector<HWND> OwnTopLevelWindows(HWND except) {
  struct TCollect {
    HWND except;
    std::vector<HWND> found;
  } collect{except, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<TCollect*>(lp);
        if (hwnd != c->except && TWin32Window::Find(hwnd)) c->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  return collect.found;
}

}  // namespace

// Stands for the program on the taskbar: zero size, shown with the first
// form, owner of the forms and of the error box.
class TWin32Backend::TApplicationWindow : public TWin32Window {
 public:
  explicit TApplicationWindow(TWin32Backend& backend) : backend_(backend) {
    RegisterApplicationClass();
    CreateOwn(0, kApplicationClass, L"",
              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr);
  }
  ~TApplicationWindow() override { DestroyHandle(); }

  bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    result = 0;
    switch (msg) {
      case WM_SYSCOMMAND:
        switch (wp & 0xFFF0) {
          case SC_CLOSE: backend_.CloseMainForm(); return true;
          case SC_MINIMIZE: backend_.Minimize(); return true;
          case SC_RESTORE: backend_.Restore(); return true;
          default: return false;
        }
      case WM_CLOSE: backend_.CloseMainForm(); return true;
      case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp)) PostMessageW(Handle(), kActivateMainForm, 0, 0);
        return false;
      case kActivateMainForm: backend_.ActivateMainForm(); return true;
      default: (void)lp; return false;
    }
  }

 private:
  TWin32Backend& backend_;
};

TWin32Backend::TWin32Backend() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  window_ = std::make_unique<TApplicationWindow>(*this);
}

TWin32Backend::~TWin32Backend() = default;

HWND TWin32Backend::ApplicationWindow() const { return window_->Handle(); }

void TWin32Backend::Realize(TForm& form) {
  application_ = &form.Application();
  auto window = std::make_unique<TFormWindow>(*this, form);
  TFormWindow* raw = window.get();
  form.AttachPeer(std::move(window));
  raw->CreateControls();
}

void TWin32Backend::TitleChanged(const AnsiString& title) {
  SetWindowTextW(ApplicationWindow(), WideFromCp932(title).c_str());
}

void TWin32Backend::FormShown() {
  if (!IsWindowVisible(ApplicationWindow())) ShowWindow(ApplicationWindow(), SW_SHOWNOACTIVATE);
}

void TWin32Backend::ShowError(const AnsiString& text, const AnsiString& title) {
  HWND previous = GetActiveWindow();
  // The box disables its owner; the forms it does not own directly are
  // disabled here, and only those that were enabled come back.
  std::vector<HWND> disabled;
  for (HWND hwnd : OwnTopLevelWindows(ApplicationWindow()))
    if (IsWindowEnabled(hwnd)) {
      EnableWindow(hwnd, FALSE);
      disabled.push_back(hwnd);
    }
  MessageBoxW(ApplicationWindow(), WideFromCp932(text).c_str(), WideFromCp932(title).c_str(),
              MB_OK | MB_ICONSTOP);
  for (HWND hwnd : disabled)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  if (previous && IsWindow(previous) && IsWindowVisible(previous)) SetActiveWindow(previous);
}

void TWin32Backend::CloseMainForm() {
  if (application_ && application_->MainForm()) application_->MainForm()->Close();
}

void TWin32Backend::ActivateMainForm() {
  TForm* form = application_ ? application_->MainForm() : nullptr;
  auto* window = form ? dynamic_cast<TFormWindow*>(form->Peer()) : nullptr;
  if (window && window->Handle() && IsWindowVisible(window->Handle()) && IsWindowEnabled(window->Handle()))
    SetActiveWindow(window->Handle());
}

void TWin32Backend::Minimize() {
  // The forms go with the taskbar entry; they come back with it.
  for (HWND hwnd : OwnTopLevelWindows(ApplicationWindow()))
    if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == ApplicationWindow()) {
      ShowWindow(hwnd, SW_HIDE);
      hiddenByMinimize_.push_back(hwnd);
    }
  ShowWindow(ApplicationWindow(), SW_MINIMIZE);
}

void TWin32Backend::Restore() {
  ShowWindow(ApplicationWindow(), SW_RESTORE);
  for (HWND hwnd : hiddenByMinimize_)
    if (IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
  hiddenByMinimize_.clear();
  ActivateMainForm();
}

void TWin32Backend::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and the arrow keys move between the controls of the
    // form the message is for.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && dynamic_cast<TFormWindow*>(TWin32Window::Find(root)) && IsDialogMessageW(root, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TWin32Backend::Quit() { PostQuitMessage(0); }
