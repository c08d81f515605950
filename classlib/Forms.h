#pragma once
// TForm, its stored description, and TApplication with the one dispatch
// point through which every event handler runs.

#include <functional>
#include <memory>
#include <vector>

#include "Controls.h"
#include "RegistryStore.h"

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// One control of a form description.
struct TControlDesc {
  const char* Name;
  TControlKind Kind;
  TRect Bounds;
  const char* Text;  // caption, text, simple text or picture resource
  const TFont* Font;
  bool Visible;
  int TabOrder;  // -1: none
  const char* OnClick = nullptr;
  const char* OnChange = nullptr;
  int ItemHeight = 0;
  bool Sorted = false;
  bool ImeClose = false;
  bool Stretch = false;
};

struct TFormDesc {
  const char* Name;
  const char* Caption;
  TRect Bounds;  // outer, screen pixels
  const TFont* Font;
  const char* Icon;
  const char* OnCreate;
  const char* OnClose;
  const char* ImeName;  // for the edits, list and combo boxes
  const TControlDesc* Controls;
  int ControlCount;
};

class TApplication;

class TFormPeer {
 public:
  virtual ~TFormPeer() = default;
  virtual void BoundsChanged(const TRect& bounds) = 0;
  virtual void Shown() = 0;
};

class TForm : public TObject {
 public:
  explicit TForm(TApplication& application);
  ~TForm() override;

  TApplication& Application() const { return application_; }
  const AnsiString& Name() const { return name_; }
  const AnsiString& Caption() const { return caption_; }
  const TFont& Font() const { return font_; }
  const AnsiString& Icon() const { return icon_; }

  // Outer placement in screen pixels.
  const TRect& Bounds() const { return bounds_; }
  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width; }
  int Height() const { return bounds_.Height; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  // The window was moved or sized by the user or the system.
  void WindowBoundsChanged(const TRect& bounds) { bounds_ = bounds; }

  const std::vector<TControl*>& Controls() const { return controls_; }
  TControl* FindControl(const AnsiString& name) const;
  template <class T>
  T* Control(const AnsiString& name) const {
    return static_cast<T*>(FindControl(name));
  }

  bool Showing() const { return showing_; }
  void Show();
  // Asks the form to close: OnClose runs with caHide; unless it failed or
  // chose caNone, the application ends when this is the main form.
  void Close();

  TNotifyEvent OnCreate;
  TCloseEvent OnClose;

  // Runs code through the application's dispatch point.
  bool Dispatch(const std::function<void()>& code);

  TFormPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<TFormPeer> peer) { peer_ = std::move(peer); }

 protected:
  // Builds the form and its controls from a description; events are
  // resolved by name through FindMethod and FindCloseMethod.
  void Build(const TFormDesc& desc);
  virtual TNotifyEvent FindMethod(const AnsiString& name) = 0;
  virtual TCloseEvent FindCloseMethod(const AnsiString& name) = 0;

 private:
  friend class TApplication;
  virtual void ReadDescription() = 0;
  void SetBounds(const TRect& bounds);

  TApplication& application_;
  AnsiString name_, caption_, icon_;
  TFont font_;
  TRect bounds_;
  bool showing_ = false;
  bool visibleAtStart_ = true;
  std::vector<std::unique_ptr<TControl>> owned_;
  std::vector<TControl*> controls_;
  std::unique_ptr<TFormPeer> peer_;
};

// What the application needs of a window system.
class TBackend {
 public:
  virtual ~TBackend() = default;
  // Gives the form and its controls windows (not yet shown).
  virtual void Realize(TForm& form) = 0;
  // The error box; returns when the user has dismissed it.
  virtual void ShowError(const AnsiString& text, const AnsiString& title) = 0;
  virtual void TitleChanged(const AnsiString&) {}
  // Runs the message loop until Quit.
  virtual void Run() = 0;
  virtual void Quit() = 0;
};

// No windows: errors are recorded, and Run returns at once.
class THeadlessBackend : public TBackend {
 public:
  void Realize(TForm&) override {}
  void ShowError(const AnsiString& text, const AnsiString& title) override {
    Reports.push_back(text);
    LastTitle = title;
  }
  void Run() override {}
  void Quit() override { QuitPosted = true; }
  std::vector<AnsiString> Reports;
  AnsiString LastTitle;
  bool QuitPosted = false;
};

class TApplication {
 public:
  TApplication(TBackend& backend, reg::TStore& registry);
  ~TApplication();

  void Initialize() {}
  const AnsiString& Title() const { return title_; }
  void SetTitle(const AnsiString& title);

  // Creates a form: the reference is set first, then the description is
  // read, OnCreate runs (an error is reported and creation goes on), the
  // form is shown, and the first form becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    auto form = std::make_unique<T>(*this);
    reference = form.get();
    Adopt(std::move(form));
  }
  TForm* MainForm() const { return mainForm_; }

  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The dispatch point: runs a handler; an Exception escaping it is
  // reported (EAbort silently) and the caller goes on. True if it ended
  // normally.
  bool Dispatch(const std::function<void()>& code);
  void ShowException(const Exception& e);

  reg::TStore& Registry() const { return registry_; }
  TBackend& Backend() const { return backend_; }

 private:
  void Adopt(std::unique_ptr<TForm> form);

  TBackend& backend_;
  reg::TStore& registry_;
  AnsiString title_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};
