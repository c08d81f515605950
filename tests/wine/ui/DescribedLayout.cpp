#include "DescribedLayout.h"

#include <stdexcept>

namespace {

constexpr const char* kGothic = "ＭＳ Ｐゴシック";
constexpr const char* kTimes = "Times New Roman";
constexpr int kAnsi = 0, kShiftJis = 128;

const TFontSpec L13{kTimes, kAnsi, -13, false, false};
const TFontSpec L15{kTimes, kAnsi, -15, false, false};
const TFontSpec L15U{kTimes, kAnsi, -15, false, true};
const TFontSpec L17B{kTimes, kAnsi, -17, true, false};
const TFontSpec J15{kGothic, kShiftJis, -15, false, false};
const TFontSpec J17{kGothic, kShiftJis, -17, false, false};

constexpr const wchar_t* kEdit = L"Edit";
constexpr const wchar_t* kButton = L"Button";
constexpr const wchar_t* kList = L"ListBox";
constexpr const wchar_t* kCombo = L"ComboBox";
constexpr const wchar_t* kStatus = L"msctls_statusbar32";

const std::vector<TControlSpec> kControls{
    {"Label1", nullptr, 152, 0, 185, 17, "for I.E.4.01, Outlook Express", &L15, true, -1},
    {"Label3", nullptr, 44, 252, 30, 17, "Smtp", &L15, true, -1},
    {"Label4", nullptr, 44, 228, 30, 17, "Pop3", &L15, true, -1},
    {"Label5", nullptr, 44, 304, 29, 17, "Nntp", &L15, true, -1},
    {"Image1", nullptr, 248, 20, 89, 301, "", nullptr, true, -1},
    {"Label6", nullptr, 24, 140, 100, 17, "Internet Explorer", &L15U, true, -1},
    {"Label7", nullptr, 24, 184, 97, 17, "Outlook Express", &L15U, true, -1},
    {"Label8", nullptr, 28, 204, 26, 17, "Mail", &L15, true, -1},
    {"Label9", nullptr, 28, 276, 35, 17, "News", &L15, true, -1},
    {"Label2", nullptr, 44, 20, 35, 17, "Proxy", &L15, true, -1},
    {"Image2", nullptr, 253, 204, 79, 98, "", nullptr, false, -1},
    {"Image3", nullptr, 253, 204, 79, 110, "", nullptr, false, -1},
    {"Image4", nullptr, 253, 204, 79, 86, "", nullptr, false, -1},
    {"Image5", nullptr, 253, 204, 79, 108, "", nullptr, false, -1},
    {"Image6", nullptr, 253, 204, 79, 84, "", nullptr, false, -1},
    {"Label10", nullptr, 229, 324, 106, 15, "Thanks Olben-san!", &L13, false, -1},
    {"RadioButton2", kButton, 8, 36, 89, 17, "Lan", &L17B, true, 0},
    {"Edit2", kEdit, 84, 160, 161, 23, "Proxy Server:PORT", &J15, true, 2},
    {"Edit3", kEdit, 84, 228, 161, 23, "Pop3 Mail Server", &J15, true, 3},
    {"Edit4", kEdit, 84, 252, 161, 23, "Smtp Mail Server", &J15, true, 4},
    {"Edit5", kEdit, 84, 300, 161, 23, "News Server", &J15, true, 5},
    {"Button1", kButton, 252, 24, 81, 33, "O.K.", &L17B, true, 6},
    {"Button2", kButton, 252, 60, 81, 33, "Cancel", &L17B, true, 7},
    {"RadioButton1", kButton, 8, 4, 89, 17, "Quendle", &L17B, true, 9},
    {"StatusBar1", kStatus, 4, 336, 333, 25, "Status", &J17, true, -1},
    {"Button3", kButton, 252, 100, 81, 33, "ReLoad", &L17B, true, 11},
    {"CheckBox1", kButton, 24, 160, 57, 17, "Proxy", &L15, true, 12},
    {"RadioButton3", kButton, 8, 56, 89, 17, "Dialup", &L17B, true, 13},
    {"ListBox1", kList, 24, 76, 221, 61, "", &J15, true, 8},
    {"ComboBox1", kCombo, 64, 204, 181, 23, "", &J15, true, 14},
    {"ComboBox2", kCombo, 64, 276, 181, 23, "", &J15, true, 15},
    {"ComboBox3", kCombo, 344, 205, 121, 25, "", &J17, false, 16},
    {"ComboBox4", kCombo, 344, 277, 121, 25, "", &J17, false, 17},
    {"Button4", kButton, 252, 176, 81, 25, "My Family", &L15, false, 18},
    {"ComboBox5", kCombo, 344, 161, 121, 25, "", &J17, false, 19},
    {"Edit1", kEdit, 84, 20, 161, 23, "Proxy Server:PORT", &J15, true, 1},
};

}  // namespace

const std::vector<TControlSpec>& DescribedControls() { return kControls; }

const TControlSpec& DescribedControl(const std::string& name) {
  for (const auto& c : kControls)
    if (name == c.name) return c;
  throw std::out_of_range(name);
}
