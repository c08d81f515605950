// Under Wine, on the real registry and real windows: the load and "O.K."
// of the program against a bare loop that makes the same ANSI registry
// calls in the same order and puts the same items and texts into the same
// kinds of controls. Prints one row a size:
//   <accounts> <load ms> <bare load ms> <apply ms> <bare apply ms>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Forms.h"
#include "Unit1.h"
#include "Win32Backend.h"
#include "Win32RegistryStore.h"
#include "WorkingState.h"

namespace {

const char* const kAccounts = "Software\\Microsoft\\Internet Account Manager\\Accounts";
const char* const kIam = "Software\\Microsoft\\Internet Account Manager";
const char* const kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char* const kOwn = "Software\\Quimbry\\Orvik";

void SetSz(HKEY key, const char* name, const std::string& s) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(s.c_str()), static_cast<DWORD>(s.size() + 1));
}

void SetBin(HKEY key, const char* name, BYTE first) {
  const BYTE data[4] = {first, 0, 0, 0};
  RegSetValueExA(key, name, 0, REG_BINARY, data, 4);
}

void SetDw(HKEY key, const char* name, DWORD v) {
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 4);
}

HKEY Create(const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

void Seed(int n) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kIam);
  RegDeleteTreeA(HKEY_CURRENT_USER, kOwn);
  RegDeleteTreeA(HKEY_CURRENT_USER, "RemoteAccess");
  HKEY iam = Create(kIam);
  SetSz(iam, "Default Mail Account", "ACC00000001");
  SetSz(iam, "Default News Account", "ACC00000002");
  RegCloseKey(iam);
  for (int i = 0; i < n; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "ACC%08d", i);
    HKEY key = Create(std::string(kAccounts) + "\\" + id);
    SetSz(key, "Account Name", "Account " + std::to_string(i));
    if (i % 3 != 1) {
      SetSz(key, "POP3 Server", "pop" + std::to_string(i) + ".example.jp");
      SetSz(key, "SMTP Server", "smtp" + std::to_string(i) + ".example.jp");
    }
    if (i % 3 != 0) SetSz(key, "NNTP Server", "news" + std::to_string(i) + ".example.jp");
    RegCloseKey(key);
  }
  HKEY ra = Create("RemoteAccess");
  SetSz(ra, "InternetProfile", "Entry 1");
  RegCloseKey(ra);
  for (int i = 1; i <= n / 10 + 1; ++i) RegCloseKey(Create("RemoteAccess\\Profile\\Entry " + std::to_string(i)));
  HKEY ie = Create(kInternet);
  SetBin(ie, "EnableAutodial", 0);
  SetBin(ie, "ProxyEnable", 1);
  SetSz(ie, "ProxyServer", "proxy.example.jp:8080");
  RegCloseKey(ie);
  HKEY own = Create(kOwn);
  SetDw(own, "ConnectionType", 0);
  SetSz(own, "ProxyServer", "relay.local:8000");
  RegCloseKey(own);
}

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(freq.QuadPart);
}

template <class F>
double Median(int runs, F f) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    f();
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The bare loop's window: the same kinds of controls, made the plain way.
struct TBare {
  HWND form, combos[5], list, edits[5], check;
  TBare() {
    form = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 348, 398, nullptr, nullptr, nullptr, nullptr);
    for (HWND& c : combos)
      c = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 100, 200,
                          form, nullptr, nullptr, nullptr);
    list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 100, 60, form, nullptr,
                           nullptr, nullptr);
    for (HWND& e : edits)
      e = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 23, form, nullptr,
                          nullptr, nullptr);
    check = CreateWindowExW(0, L"BUTTON", L"Proxy", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 57, 17, form,
                            nullptr, nullptr, nullptr);
    // Shown, with the program's font, as the program's window is.
    font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                       L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
    for (HWND c : combos) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (HWND e : edits) SendMessageW(e, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(form, SW_SHOWNOACTIVATE);
    UpdateWindow(form);
  }
  ~TBare() {
    DestroyWindow(form);
    DeleteObject(font);
  }
  HFONT font;
};

std::wstring Wide(const std::string& s) {
  std::wstring w(s.size() + 1, L'\0');
  w.resize(static_cast<std::size_t>(
      MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), w.data(), static_cast<int>(w.size()))));
  return w;
}

std::string Query(HKEY key, const char* name) {
  char buffer[256];
  DWORD type = 0, size = sizeof buffer;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS || size == 0)
    return std::string();
  return std::string(buffer, strnlen(buffer, size));
}

HKEY Open(const std::string& path) {
  HKEY key = nullptr;
  return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS ? key : nullptr;
}

std::vector<std::string> Names(HKEY key) {
  DWORD count = 0, longest = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr);
  std::vector<std::string> names;
  std::vector<char> name(longest * 2 + 1);
  for (DWORD i = 0; i < count; ++i) {
    DWORD len = static_cast<DWORD>(name.size());
    if (RegEnumKeyExA(key, i, name.data(), &len, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
      names.emplace_back(name.data(), len);
  }
  return names;
}

void Add(HWND combo, const std::string& s) { SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str())); }
void SetText(HWND w, const std::string& s) { SetWindowTextW(w, Wide(s).c_str()); }

struct TBareState {
  std::vector<std::string> mailIds, newsIds, pop3, smtp, nntp;
  std::string profile;
};

void BareLoad(TBare& w, TBareState& st) {
  st = TBareState();
  if (HKEY k = Open("RemoteAccess")) st.profile = Query(k, "InternetProfile"), RegCloseKey(k);
  std::string defMail, defNews;
  if (HKEY k = Open(kIam)) defMail = Query(k, "Default Mail Account"), defNews = Query(k, "Default News Account"), RegCloseKey(k);
  for (HWND c : w.combos) SendMessageW(c, CB_RESETCONTENT, 0, 0);
  std::vector<std::string> ids;
  if (HKEY k = Open(kAccounts)) {
    ids = Names(k);
    RegCloseKey(k);
    for (const auto& id : ids) Add(w.combos[4], id);
  }
  for (const auto& id : ids) {
    HKEY k = Open(std::string(kAccounts) + "\\" + id);
    if (!k) continue;
    std::string s = Query(k, "POP3 Server");
    if (!s.empty()) {
      st.pop3.push_back(s);
      st.smtp.push_back(Query(k, "SMTP Server"));
      Add(w.combos[0], Query(k, "Account Name"));
      Add(w.combos[2], id);
      if (id == defMail) {
        SendMessageW(w.combos[0], CB_SETCURSEL, st.pop3.size() - 1, 0);
        SetText(w.edits[2], st.pop3.back());
        SetText(w.edits[3], st.smtp.back());
      }
      st.mailIds.push_back(id);
    }
    s = Query(k, "NNTP Server");
    if (!s.empty()) {
      st.nntp.push_back(s);
      Add(w.combos[1], Query(k, "Account Name"));
      Add(w.combos[3], id);
      if (id == defNews) {
        SendMessageW(w.combos[1], CB_SETCURSEL, st.nntp.size() - 1, 0);
        SetText(w.edits[4], st.nntp.back());
      }
      st.newsIds.push_back(id);
    }
    RegCloseKey(k);
  }
  if (HKEY k = Open("RemoteAccess\\Profile")) {
    auto entries = Names(k);
    RegCloseKey(k);
    std::sort(entries.begin(), entries.end());
    SendMessageW(w.list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      SendMessageW(w.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entries[i]).c_str()));
      if (entries[i] == st.profile) SendMessageW(w.list, LB_SETCURSEL, i, 0);
    }
  }
  BYTE flag[4];
  DWORD type, size = 4;
  if (HKEY k = Open(kInternet)) RegQueryValueExA(k, "EnableAutodial", nullptr, &type, flag, &size), RegCloseKey(k);
  if (HKEY k = Open(kOwn)) {
    size = 4;
    RegQueryValueExA(k, "ConnectionType", nullptr, &type, flag, &size);
    RegCloseKey(k);
  }
  if (HKEY k = Create(kOwn)) SetText(w.edits[0], Query(k, "ProxyServer")), RegCloseKey(k);
  if (HKEY k = Open(kInternet)) {
    size = 4;
    RegQueryValueExA(k, "ProxyEnable", nullptr, &type, flag, &size);
    SendMessageW(w.check, BM_SETCHECK, flag[0] ? BST_CHECKED : BST_UNCHECKED, 0);
    SetText(w.edits[1], Query(k, "ProxyServer"));
    RegCloseKey(k);
  }
}

void BareApply(const TBareState& st) {
  if (HKEY k = Open(kInternet)) {
    SetBin(k, "EnableAutodial", 0), SetBin(k, "ProxyEnable", 1), SetSz(k, "ProxyServer", "proxy.example.jp:8080");
    RegCloseKey(k);
  }
  for (std::size_t i = 0; i < st.mailIds.size(); ++i)
    if (HKEY k = Open(std::string(kAccounts) + "\\" + st.mailIds[i])) {
      SetSz(k, "POP3 Server", st.pop3[i]), SetSz(k, "SMTP Server", st.smtp[i]);
      SetDw(k, "Connection Type", 0), SetSz(k, "Connectoid", st.profile);
      RegCloseKey(k);
    }
  for (std::size_t i = 0; i < st.newsIds.size(); ++i)
    if (HKEY k = Open(std::string(kAccounts) + "\\" + st.newsIds[i])) {
      SetSz(k, "NNTP Server", st.nntp[i]), SetDw(k, "Connection Type", 0), SetSz(k, "Connectoid", st.profile);
      RegCloseKey(k);
    }
  if (HKEY k = Open("RemoteAccess")) SetSz(k, "Default", st.profile), SetSz(k, "InternetProfile", st.profile), RegCloseKey(k);
  if (HKEY k = Create(kOwn)) SetDw(k, "ConnectionType", 0), SetSz(k, "ProxyServer", "relay.local:8000"), RegCloseKey(k);
  if (HKEY k = Create(std::string(kOwn) + "\\Internet Settings"))
    SetBin(k, "ProxyEnable", 1), SetSz(k, "ProxyServer", "proxy.example.jp:8080"), RegCloseKey(k);
  for (std::size_t i = 0; i < st.mailIds.size(); ++i)
    if (HKEY k = Create(std::string(kOwn) + "\\Accounts\\" + st.mailIds[i]))
      SetSz(k, "POP3 Server", st.pop3[i]), SetSz(k, "SMTP Server", st.smtp[i]), RegCloseKey(k);
  for (std::size_t i = 0; i < st.newsIds.size(); ++i)
    if (HKEY k = Create(std::string(kOwn) + "\\Accounts\\" + st.newsIds[i])) SetSz(k, "NNTP Server", st.nntp[i]), RegCloseKey(k);
  if (HKEY k = Create(kOwn)) {
    SetDw(k, "FormTop", 28), SetDw(k, "FormLeft", 28), SetDw(k, "FormHeight", 398), SetDw(k, "FormWidth", 348);
    RegCloseKey(k);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  std::printf("accounts load_ms bare_load_ms apply_ms bare_apply_ms\n");
  for (int n : {10, 100, 1000}) {
    Seed(n);
    reg::TWin32Store store;
    TWin32Backend backend;
    TApplication app(backend, store);
    app.SetTitle("Orvik for Quendle");
    app.CreateForm(Form1);
    const double load = Median(runs, [] { Form1->Button3->UserClick(); });
    const double apply = Median(runs, [] { Form1->Button1->UserClick(); });
    TBare bare;
    TBareState st;
    const double bareLoad = Median(runs, [&] { BareLoad(bare, st); });
    const double bareApply = Median(runs, [&] { BareApply(st); });
    std::printf("%d %.2f %.2f %.2f %.2f\n", n, load, bareLoad, apply, bareApply);
    std::fflush(stdout);
    Form1 = nullptr;
  }
  return 0;
}
