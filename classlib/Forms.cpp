#include "Forms.h"

#include <new>

TForm::TForm(TApplication& application) : application_(application) {}
TForm::~TForm() = default;

void TForm::SetBounds(const TRect& bounds) {
  bounds_ = bounds;
  if (peer_) peer_->BoundsChanged(bounds);
}

void TForm::SetLeft(int v) { SetBounds({v, bounds_.Top, bounds_.Width, bounds_.Height}); }
void TForm::SetTop(int v) { SetBounds({bounds_.Left, v, bounds_.Width, bounds_.Height}); }
void TForm::SetWidth(int v) { SetBounds({bounds_.Left, bounds_.Top, v, bounds_.Height}); }
void TForm::SetHeight(int v) { SetBounds({bounds_.Left, bounds_.Top, bounds_.Width, v}); }

TControl* TForm::FindControl(const AnsiString& name) const {
  for (TControl* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

bool TForm::Dispatch(const std::function<void()>& code) { return application_.Dispatch(code); }

void TForm::Show() {
  if (showing_) return;
  showing_ = true;
  if (peer_) peer_->Shown();
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose && !Dispatch([&] { OnClose(this, action); })) return;
  if (action != TCloseAction::caNone && application_.MainForm() == this) application_.Terminate();
}

namespace {

template <class T>
T* Make(TForm& form, const TControlDesc& d, std::vector<std::unique_ptr<TControl>>& owned) {
  auto control = std::make_unique<T>(form, d.Name);
  T* raw = control.get();
  owned.push_back(std::move(control));
  return raw;
}

}  // namespace

void TForm::Build(const TFormDesc& desc) {
  name_ = desc.Name;
  caption_ = desc.Caption;
  bounds_ = desc.Bounds;
  font_ = *desc.Font;
  icon_ = desc.Icon ? desc.Icon : "";
  OnCreate = desc.OnCreate ? FindMethod(desc.OnCreate) : nullptr;
  OnClose = desc.OnClose ? FindCloseMethod(desc.OnClose) : nullptr;
  auto method = [this](const char* n) { return n ? FindMethod(n) : TNotifyEvent(); };
  owned_.reserve(static_cast<std::size_t>(desc.ControlCount));
  for (int i = 0; i < desc.ControlCount; ++i) {
    const TControlDesc& d = desc.Controls[i];
    const AnsiString text = d.Text ? d.Text : "";
    TControl* c = nullptr;
    switch (d.Kind) {
      case TControlKind::Label: Make<TLabel>(*this, d, owned_)->Caption = text; break;
      case TControlKind::Image: {
        auto* image = Make<TImage>(*this, d, owned_);
        image->Picture = text;
        image->Stretch = d.Stretch;
        image->OnClick = method(d.OnClick);
        break;
      }
      case TControlKind::RadioButton: {
        auto* radio = Make<TRadioButton>(*this, d, owned_);
        radio->Caption = text;
        radio->OnClick = method(d.OnClick);
        break;
      }
      case TControlKind::Edit: {
        auto* edit = Make<TEdit>(*this, d, owned_);
        edit->SetText(text);  // no handler is wired yet, so none runs
        edit->OnChange = method(d.OnChange);
        edit->OnClick = method(d.OnClick);
        edit->ImeClose = d.ImeClose;
        edit->ImeName = desc.ImeName ? desc.ImeName : "";
        break;
      }
      case TControlKind::Button: {
        auto* button = Make<TButton>(*this, d, owned_);
        button->Caption = text;
        button->OnClick = method(d.OnClick);
        break;
      }
      case TControlKind::CheckBox: Make<TCheckBox>(*this, d, owned_)->Caption = text; break;
      case TControlKind::ListBox: {
        auto* list = Make<TListBox>(*this, d, owned_);
        list->Sorted = d.Sorted;
        list->ItemHeight = d.ItemHeight;
        list->ImeName = desc.ImeName ? desc.ImeName : "";
        list->OnClick = method(d.OnClick);
        break;
      }
      case TControlKind::ComboBox: {
        auto* combo = Make<TComboBox>(*this, d, owned_);
        combo->ItemHeight = d.ItemHeight;
        combo->ImeName = desc.ImeName ? desc.ImeName : "";
        combo->OnChange = method(d.OnChange);
        break;
      }
      case TControlKind::StatusBar: Make<TStatusBar>(*this, d, owned_)->SetSimpleText(text); break;
    }
    c = owned_.back().get();
    c->SetBounds(d.Bounds);
    c->SetVisible(d.Visible);
    c->TabOrder = d.TabOrder;
    if (d.Font) c->Font = *d.Font;
    controls_.push_back(c);
  }
}

TApplication::TApplication(TBackend& backend, reg::TStore& registry)
    : backend_(backend), registry_(registry) {}

TApplication::~TApplication() = default;

void TApplication::SetTitle(const AnsiString& title) {
  title_ = title;
  backend_.TitleChanged(title);
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
  TForm* f = form.get();
  forms_.push_back(std::move(form));
  f->ReadDescription();
  backend_.Realize(*f);
  if (f->OnCreate) Dispatch([f] { f->OnCreate(f); });
  f->Show();
  if (!mainForm_) mainForm_ = f;
}

void TApplication::Run() {
  if (!terminated_) backend_.Run();
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_.Quit();
}

bool TApplication::Dispatch(const std::function<void()>& code) {
  try {
    code();
    return true;
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::bad_alloc&) {
    // Too large a value must not take the program down with it.
    ShowException(Exception("Out of memory"));
  }
  return false;
}

void TApplication::ShowException(const Exception& e) { backend_.ShowError(e.Message() + ".", title_); }
