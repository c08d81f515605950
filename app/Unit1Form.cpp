// The stored description of the main window: every position, size, font
// and event of its controls, read by both backends.

#include "Unit1.h"

namespace {

// "ＭＳ Ｐゴシック"
constexpr const char* kPGothic =
    "\x82l\x82r \x82o\x83S\x83V\x83"
    "b\x83N";
constexpr const char* kTimes = "Times New Roman";

const TFont kFormFont{kPGothic, SHIFTJIS_CHARSET, -18, false, false, 0};
const TFont L13{kTimes, ANSI_CHARSET, -13, false, false, 0};
const TFont L15{kTimes, ANSI_CHARSET, -15, false, false, 0};
const TFont L15U{kTimes, ANSI_CHARSET, -15, false, true, 0};
const TFont L17B{kTimes, ANSI_CHARSET, -17, true, false, 0};
const TFont J15{kPGothic, SHIFTJIS_CHARSET, -15, false, false, 0};
const TFont J17{kPGothic, SHIFTJIS_CHARSET, -17, false, false, 0};

using K = TControlKind;

// Name, kind, bounds, text, font, shown, tab order, OnClick, OnChange,
// item height, sorted, input method closed, stretched.
const TControlDesc kControls[] = {
    {"Label1", K::Label, {152, 0, 185, 17}, "for I.E.4.01, Outlook Express", &L15, true, -1},
    {"Label3", K::Label, {44, 252, 30, 17}, "Smtp", &L15, true, -1},
    {"Label4", K::Label, {44, 228, 30, 17}, "Pop3", &L15, true, -1},
    {"Label5", K::Label, {44, 304, 29, 17}, "Nntp", &L15, true, -1},
    {"Image1",
     K::Image,
     {248, 20, 89, 301},
     "IMAGE1",
     nullptr,
     true,
     -1,
     "Image1Click",
     nullptr,
     0,
     false,
     false,
     true},
    {"Label6", K::Label, {24, 140, 100, 17}, "Internet Explorer", &L15U, true, -1},
    {"Label7", K::Label, {24, 184, 97, 17}, "Outlook Express", &L15U, true, -1},
    {"Label8", K::Label, {28, 204, 26, 17}, "Mail", &L15, true, -1},
    {"Label9", K::Label, {28, 276, 35, 17}, "News", &L15, true, -1},
    {"Label2", K::Label, {44, 20, 35, 17}, "Proxy", &L15, true, -1},
    {"Image2", K::Image, {253, 204, 79, 98}, "IMAGE2", nullptr, false, -1},
    {"Image3", K::Image, {253, 204, 79, 110}, "IMAGE3", nullptr, false, -1},
    {"Image4", K::Image, {253, 204, 79, 86}, "IMAGE4", nullptr, false, -1},
    {"Image5", K::Image, {253, 204, 79, 108}, "IMAGE5", nullptr, false, -1},
    {"Image6", K::Image, {253, 204, 79, 84}, "IMAGE6", nullptr, false, -1},
    {"Label10", K::Label, {229, 324, 106, 15}, "Thanks Olben-san!", &L13, false, -1},
    {"RadioButton2", K::RadioButton, {8, 36, 89, 17}, "Lan", &L17B, true, 0, "RadioButton2Click"},
    {"Edit2",
     K::Edit,
     {84, 160, 161, 23},
     "Proxy Server:PORT",
     &J15,
     true,
     2,
     nullptr,
     nullptr,
     0,
     false,
     true},
    {"Edit3",
     K::Edit,
     {84, 228, 161, 23},
     "Pop3 Mail Server",
     &J15,
     true,
     3,
     nullptr,
     "Edit3Change",
     0,
     false,
     true},
    {"Edit4",
     K::Edit,
     {84, 252, 161, 23},
     "Smtp Mail Server",
     &J15,
     true,
     4,
     nullptr,
     "Edit4Change",
     0,
     false,
     true},
    {"Edit5",
     K::Edit,
     {84, 300, 161, 23},
     "News Server",
     &J15,
     true,
     5,
     nullptr,
     "Edit5Change",
     0,
     false,
     true},
    {"Button1", K::Button, {252, 24, 81, 33}, "O.K.", &L17B, true, 6, "Button1Click"},
    {"Button2", K::Button, {252, 60, 81, 33}, "Cancel", &L17B, true, 7, "Button2Click"},
    {"RadioButton1", K::RadioButton, {8, 4, 89, 17}, "Quendle", &L17B, true, 9, "RadioButton1Click"},
    {"StatusBar1", K::StatusBar, {4, 336, 333, 25}, "Status", &J17, true, -1},
    {"Button3", K::Button, {252, 100, 81, 33}, "ReLoad", &L17B, true, 11, "Button3Click"},
    {"CheckBox1", K::CheckBox, {24, 160, 57, 17}, "Proxy", &L15, true, 12},
    {"RadioButton3", K::RadioButton, {8, 56, 89, 17}, "Dialup", &L17B, true, 13, "RadioButton3Click"},
    {"ListBox1", K::ListBox, {24, 76, 221, 61}, nullptr, &J15, true, 8, "ListBox1Click", nullptr, 15, true},
    {"ComboBox1", K::ComboBox, {64, 204, 181, 23}, nullptr, &J15, true, 14, nullptr, "ComboBox1Change", 15},
    {"ComboBox2", K::ComboBox, {64, 276, 181, 23}, nullptr, &J15, true, 15, nullptr, "ComboBox2Change", 15},
    {"ComboBox3", K::ComboBox, {344, 205, 121, 25}, nullptr, &J17, false, 16, nullptr, nullptr, 17},
    {"ComboBox4", K::ComboBox, {344, 277, 121, 25}, nullptr, &J17, false, 17, nullptr, nullptr, 17},
    {"Button4", K::Button, {252, 176, 81, 25}, "My Family", &L15, false, 18, "Button4Click"},
    {"ComboBox5", K::ComboBox, {344, 161, 121, 25}, nullptr, &J17, false, 19, nullptr, nullptr, 17},
    {"Edit1",
     K::Edit,
     {84, 20, 161, 23},
     "Proxy Server:PORT",
     &J15,
     true,
     1,
     "Edit1Click",
     nullptr,
     0,
     false,
     true},
};

const TFormDesc kForm1{"Form1",
                       "Orvik v4.011 for Quendle",
                       {28, 28, 348, 398},
                       &kFormFont,
                       "MAINICON",
                       "FormCreate",
                       "FormClose",
                       "ATOK11 Ver.1.0 /R.1",
                       kControls,
                       static_cast<int>(sizeof kControls / sizeof kControls[0])};

}  // namespace

const TFormDesc& Form1Description() { return kForm1; }
