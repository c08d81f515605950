#pragma once
// The main window.

#include <cstdint>

#include "Forms.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TApplication& application) : TForm(application) {}

  TRadioButton* RadioButton2 = nullptr;
  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;
  TEdit* Edit3 = nullptr;
  TEdit* Edit4 = nullptr;
  TEdit* Edit5 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TListBox* ListBox1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TImage* Image1 = nullptr;
  TRadioButton* RadioButton1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TButton* Button3 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label9 = nullptr;
  TRadioButton* RadioButton3 = nullptr;
  TLabel* Label2 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TComboBox* ComboBox2 = nullptr;
  TComboBox* ComboBox3 = nullptr;
  TComboBox* ComboBox4 = nullptr;
  TImage* Image2 = nullptr;
  TImage* Image3 = nullptr;
  TImage* Image4 = nullptr;
  TImage* Image5 = nullptr;
  TImage* Image6 = nullptr;
  TButton* Button4 = nullptr;
  TLabel* Label10 = nullptr;
  TComboBox* ComboBox5 = nullptr;

  void FormCreate(TObject* sender);
  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void Button3Click(TObject* sender);
  void ComboBox1Change(TObject* sender);
  void ComboBox2Change(TObject* sender);
  void ListBox1Click(TObject* sender);
  void Edit1Click(TObject* sender);
  void Edit3Change(TObject* sender);
  void Edit4Change(TObject* sender);
  void Edit5Change(TObject* sender);
  void Image1Click(TObject* sender);
  void Button4Click(TObject* sender);
  void RadioButton1Click(TObject* sender);
  void RadioButton2Click(TObject* sender);
  void RadioButton3Click(TObject* sender);

 protected:
  TNotifyEvent FindMethod(const AnsiString& name) override;
  TCloseEvent FindCloseMethod(const AnsiString& name) override;

 private:
  void ReadDescription() override;
};

extern TForm1* Form1;
extern std::int32_t PictureIndex;

// The form description: the window and its 36 controls.
const TFormDesc& Form1Description();

// The status line's hint, Shift-JIS: "Proxyは、:に続けてポート番号を忘れずに。"
inline constexpr const char* StatusHint =
    "Proxy\x82\xCD\x81"
    "A:\x82\xC9\x91\xB1\x82\xAF\x82\xC4\x83|\x81[\x83g\x94\xD4\x8D\x86\x82\xF0"
    "\x96Y\x82\xEA\x82\xB8\x82\xC9\x81"
    "B";
