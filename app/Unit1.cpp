#include "Unit1.h"

#include "ApplySettings.h"
#include "LoadSettings.h"
#include "Registry.h"
#include "RegistryLayout.h"
#include "WorkingState.h"

TForm1* Form1 = nullptr;
std::int32_t PictureIndex = 0;

namespace {

// "設定をまだ読み込んでいません。先に ReLoad を押してください"
constexpr const char* kNotLoaded =
    "\x90\xDD\x92\xE8\x82\xF0\x82\xDC\x82\xBE\x93\xC7\x82\xDD\x8D\x9E\x82\xF1\x82\xC5\x82\xA2\x82"
    "\xDC\x82\xB9\x82\xF1\x81"
    "B\x90\xE6\x82\xC9 ReLoad \x82\xF0\x89\x9F\x82\xB5\x82\xC4\x82\xAD"
    "\x82\xBE\x82\xB3\x82\xA2";

}  // namespace

void TForm1::ReadDescription() {
  Build(Form1Description());
  RadioButton2 = Control<TRadioButton>("RadioButton2");
  Edit1 = Control<TEdit>("Edit1");
  Edit2 = Control<TEdit>("Edit2");
  Edit3 = Control<TEdit>("Edit3");
  Edit4 = Control<TEdit>("Edit4");
  Edit5 = Control<TEdit>("Edit5");
  CheckBox1 = Control<TCheckBox>("CheckBox1");
  Button1 = Control<TButton>("Button1");
  Button2 = Control<TButton>("Button2");
  ListBox1 = Control<TListBox>("ListBox1");
  Label1 = Control<TLabel>("Label1");
  Label3 = Control<TLabel>("Label3");
  Label4 = Control<TLabel>("Label4");
  Label5 = Control<TLabel>("Label5");
  Image1 = Control<TImage>("Image1");
  RadioButton1 = Control<TRadioButton>("RadioButton1");
  StatusBar1 = Control<TStatusBar>("StatusBar1");
  Button3 = Control<TButton>("Button3");
  Label6 = Control<TLabel>("Label6");
  Label7 = Control<TLabel>("Label7");
  Label8 = Control<TLabel>("Label8");
  Label9 = Control<TLabel>("Label9");
  RadioButton3 = Control<TRadioButton>("RadioButton3");
  Label2 = Control<TLabel>("Label2");
  ComboBox1 = Control<TComboBox>("ComboBox1");
  ComboBox2 = Control<TComboBox>("ComboBox2");
  ComboBox3 = Control<TComboBox>("ComboBox3");
  ComboBox4 = Control<TComboBox>("ComboBox4");
  Image2 = Control<TImage>("Image2");
  Image3 = Control<TImage>("Image3");
  Image4 = Control<TImage>("Image4");
  Image5 = Control<TImage>("Image5");
  Image6 = Control<TImage>("Image6");
  Button4 = Control<TButton>("Button4");
  Label10 = Control<TLabel>("Label10");
  ComboBox5 = Control<TComboBox>("ComboBox5");
}

TNotifyEvent TForm1::FindMethod(const AnsiString& name) {
  using Method = void (TForm1::*)(TObject*);
  static const struct {
    const char* name;
    Method method;
  } kMethods[] = {
      {"FormCreate", &TForm1::FormCreate},
      {"Button1Click", &TForm1::Button1Click},
      {"Button2Click", &TForm1::Button2Click},
      {"Button3Click", &TForm1::Button3Click},
      {"ComboBox1Change", &TForm1::ComboBox1Change},
      {"ComboBox2Change", &TForm1::ComboBox2Change},
      {"ListBox1Click", &TForm1::ListBox1Click},
      {"Edit1Click", &TForm1::Edit1Click},
      {"Edit3Change", &TForm1::Edit3Change},
      {"Edit4Change", &TForm1::Edit4Change},
      {"Edit5Change", &TForm1::Edit5Change},
      {"Image1Click", &TForm1::Image1Click},
      {"Button4Click", &TForm1::Button4Click},
      {"RadioButton1Click", &TForm1::RadioButton1Click},
      {"RadioButton2Click", &TForm1::RadioButton2Click},
      {"RadioButton3Click", &TForm1::RadioButton3Click},
  };
  for (const auto& m : kMethods)
    if (name == m.name) return [this, method = m.method](TObject* sender) { (this->*method)(sender); };
  throw Exception("Method '" + name + "' not found");
}

TCloseEvent TForm1::FindCloseMethod(const AnsiString& name) {
  if (name == "FormClose")
    return [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
  throw Exception("Method '" + name + "' not found");
}

void TForm1::FormCreate(TObject*) {
  TRegistry registry(Application().Registry());
  if (registry.OpenKey(OwnKeyPath, false)) {
    // Strictly this order, each applied before the next is read. A value
    // that is not there yet (the key made by a run that never closed the
    // window) keeps the described placement.
    std::int32_t value = 0;
    if (registry.TryReadInteger(layout::FormTop, value)) Form1->SetTop(value);
    if (registry.TryReadInteger(layout::FormLeft, value)) Form1->SetLeft(value);
    if (registry.TryReadInteger(layout::FormHeight, value)) Form1->SetHeight(value);
    if (registry.TryReadInteger(layout::FormWidth, value)) Form1->SetWidth(value);
    registry.CloseKey();
  }
  StatusBar1->SetWidth(Form1->Width() - 16);
  StatusBar1->SetSimpleText(StatusHint);
  LoadSettings(registry);
}

void TForm1::FormClose(TObject*, TCloseAction&) {
  TRegistry registry(Application().Registry());
  if (registry.OpenKey(OwnKeyPath, true)) {
    registry.WriteInteger(layout::FormTop, Form1->Top());
    registry.WriteInteger(layout::FormLeft, Form1->Left());
    registry.WriteInteger(layout::FormHeight, Form1->Height());
    registry.WriteInteger(layout::FormWidth, Form1->Width());
    registry.CloseKey();
  }
}

void TForm1::Button1Click(TObject*) {
  // Until a load has run to its end the fields hold placeholders such as
  // "Proxy Server:PORT"; applying them would overwrite the user's settings.
  if (!SettingsLoaded) throw Exception(kNotLoaded);
  {
    TRegistry registry(Application().Registry());
    ApplySettings(registry);
  }
  Form1->Close();
}

void TForm1::Button2Click(TObject*) { Form1->Close(); }

void TForm1::Button3Click(TObject*) {
  TRegistry registry(Application().Registry());
  registry.SetRootKeyCurrentUser();
  LoadSettings(registry);
}

void TForm1::ComboBox1Change(TObject*) {
  Edit3->SetText(Pop3Servers[ComboBox1->ItemIndex()]);
  Edit4->SetText(SmtpServers[ComboBox1->ItemIndex()]);
}

void TForm1::ComboBox2Change(TObject*) { Edit5->SetText(NntpServers[ComboBox2->ItemIndex()]); }

void TForm1::Edit3Change(TObject*) { Pop3Servers.Put(ComboBox1->ItemIndex(), Edit3->Text()); }
void TForm1::Edit4Change(TObject*) { SmtpServers.Put(ComboBox1->ItemIndex(), Edit4->Text()); }
void TForm1::Edit5Change(TObject*) { NntpServers.Put(ComboBox2->ItemIndex(), Edit5->Text()); }

void TForm1::ListBox1Click(TObject*) { RadioButton3->SetChecked(true); }
void TForm1::Edit1Click(TObject*) { RadioButton1->SetChecked(true); }
void TForm1::RadioButton1Click(TObject*) { ConnectionMode = 3; }
void TForm1::RadioButton2Click(TObject*) { ConnectionMode = 0; }
void TForm1::RadioButton3Click(TObject*) { ConnectionMode = 2; }

void TForm1::Image1Click(TObject*) { Button4->Show(); }

void TForm1::Button4Click(TObject*) {
  for (TImage* image : {Image2, Image3, Image4, Image5, Image6}) image->Hide();
  Label10->Hide();
  switch (PictureIndex) {
    case 0: Image2->Show(); break;
    case 1: Image3->Show(); break;
    case 2: Image4->Show(); break;
    case 3: Image5->Show(); break;
    case 4:
      Image6->Show();
      Label10->Show();
      break;
    default: break;
  }
  if (++PictureIndex == 6) {
    PictureIndex = 0;
    Button4->Hide();
  }
}
