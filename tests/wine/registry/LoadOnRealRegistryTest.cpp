// The load on Wine's registry through TWin32Store: a small configuration is
// put into the real keys the program reads, the main window is created
// headless, and its controls and the working state are checked.
//
// In the test prefix Remote Access, the account manager and the own key are
// ours: they are removed before and after each test. Internet Settings is
// Wine's own key; only the three values the program reads are changed there,
// and put back as they were.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Harness.h"
#include "Win32RegistryStore.h"

namespace {

using Items = std::vector<AnsiString>;

const char* const kOurTrees[] = {"RemoteAccess", "Software\\Microsoft\\Internet Account Manager",
                                 "Software\\Quimbry"};
const char* const kBrowserKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char* const kBrowserValues[] = {"EnableAutodial", "ProxyEnable", "ProxyServer"};

// Shift-JIS.
const std::string kTokyoIsp = "\x93\x8C\x8B\x9E" "ISP";        // 東京ISP
const std::string kWork = "\x8E\x64\x8E\x96";                  // 仕事
const std::string kNews = "\x83\x6A\x83\x85\x81\x5B\x83\x58";  // ニュース

struct TRawValue {
  DWORD type;
  std::vector<BYTE> data;
};

std::optional<TRawValue> Query(const std::string& path, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  TRawValue v{0, std::vector<BYTE>(1 << 16)};
  DWORD size = static_cast<DWORD>(v.data.size());
  const LONG rc = RegQueryValueExA(key, name, nullptr, &v.type, v.data.data(), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return std::nullopt;
  v.data.resize(size);
  return v;
}

void Put(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}
void PutString(const std::string& path, const char* name, const std::string& text) {
  Put(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}
void PutDword(const std::string& path, const char* name, DWORD value) {
  Put(path, name, REG_DWORD, &value, sizeof value);
}
void PutBinary(const std::string& path, const char* name, std::vector<BYTE> bytes) {
  Put(path, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}
void PutKey(const std::string& path) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void PutAccount(const std::string& id, const std::string& name, const std::string& pop3,
                const std::string& smtp, const std::string& nntp) {
  const std::string key = paths::Accounts + "\\" + id;
  PutString(key, "Account Name", name);
  if (!pop3.empty()) PutString(key, "POP3 Server", pop3);
  if (!smtp.empty()) PutString(key, "SMTP Server", smtp);
  if (!nntp.empty()) PutString(key, "NNTP Server", nntp);
}

void PutCopy(const std::string& id, const std::string& pop3, const std::string& smtp, const std::string& nntp) {
  const std::string key = paths::OwnAccounts + "\\" + id;
  PutKey(key);
  if (!pop3.empty()) PutString(key, "POP3 Server", pop3);
  if (!smtp.empty()) PutString(key, "SMTP Server", smtp);
  if (!nntp.empty()) PutString(key, "NNTP Server", nntp);
}

class LoadOnRealRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveOurTrees();
    for (const char* name : kBrowserValues) savedBrowser_.push_back(Query(kBrowserKey, name));
  }

  void TearDown() override {
    app_.reset();
    Form1 = nullptr;
    RemoveOurTrees();
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    for (std::size_t i = 0; i < savedBrowser_.size(); ++i) {
      if (savedBrowser_[i]) {
        RegSetValueExA(key, kBrowserValues[i], 0, savedBrowser_[i]->type, savedBrowser_[i]->data.data(),
                       static_cast<DWORD>(savedBrowser_[i]->data.size()));
      } else {
        RegDeleteValueA(key, kBrowserValues[i]);
      }
    }
    RegCloseKey(key);
    for (const char* tree : kOurTrees) EXPECT_FALSE(KeyExists(tree)) << tree;
    for (std::size_t i = 0; i < savedBrowser_.size(); ++i)
      EXPECT_EQ(Query(kBrowserKey, kBrowserValues[i]).has_value(), savedBrowser_[i].has_value());
  }

  static void RemoveOurTrees() {
    for (const char* tree : kOurTrees) RegDeleteTreeA(HKEY_CURRENT_USER, tree);
  }

  // A user on LAN: two dial-up entries, three accounts (mail, news, both),
  // the browser through a proxy, and the own key from an earlier run.
  static void PutLanUser() {
    PutString(paths::RemoteAccess, "InternetProfile", kTokyoIsp);
    PutKey(paths::Profile + "\\" + kTokyoIsp);
    PutKey(paths::Profile + "\\Backup line");
    PutString(paths::Iam, "Default Mail Account", "00000002");
    PutString(paths::Iam, "Default News Account", "00000001");
    PutAccount("00000001", kNews, "", "", "news.example");
    PutAccount("00000002", kWork, "pop.work.example", "smtp.work.example", "");
    PutAccount("00000003", "Home", "pop.home.example", "smtp.home.example", "news.home.example");
    PutBinary(kBrowserKey, "EnableAutodial", {0, 0, 0, 0});
    PutBinary(kBrowserKey, "ProxyEnable", {1, 0, 0, 0});
    PutString(kBrowserKey, "ProxyServer", "corp-proxy:8080");
    PutDword(paths::Own, "ConnectionType", 0);
    PutString(paths::Own, "ProxyServer", "relay.local:8000");
  }

  // The program's start, on the real registry.
  TForm1& Start() {
    ResetWorkingState();
    PictureIndex = 0;
    Form1 = nullptr;
    app_ = std::make_unique<TApplication>(backend_, store_);
    app_->CreateForm(Form1);
    return *Form1;
  }

  reg::TWin32Store store_;
  THeadlessBackend backend_;
  std::unique_ptr<TApplication> app_;
  std::vector<std::optional<TRawValue>> savedBrowser_;
};

TEST_F(LoadOnRealRegistry, LanUserFillsTheWindowAndThePlacementIsStoredAtClose) {
  PutLanUser();
  TForm1& f = Start();
  EXPECT_TRUE(backend_.Reports.empty());
  EXPECT_EQ(f.ComboBox5->Items().Items(), (Items{"00000001", "00000002", "00000003"}));
  EXPECT_EQ(f.ComboBox1->Items().Items(), (Items{kWork, "Home"}));
  EXPECT_EQ(f.ComboBox3->Items().Items(), (Items{"00000002", "00000003"}));
  EXPECT_EQ(Pop3Servers.Items(), (Items{"pop.work.example", "pop.home.example"}));
  EXPECT_EQ(SmtpServers.Items(), (Items{"smtp.work.example", "smtp.home.example"}));
  EXPECT_EQ(f.ComboBox2->Items().Items(), (Items{kNews, "Home"}));
  EXPECT_EQ(f.ComboBox4->Items().Items(), (Items{"00000001", "00000003"}));
  EXPECT_EQ(NntpServers.Items(), (Items{"news.example", "news.home.example"}));
  EXPECT_EQ(MailAccountCount, 2);
  EXPECT_EQ(NewsAccountCount, 2);
  EXPECT_EQ(f.ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(f.Edit3->Text(), "pop.work.example");
  EXPECT_EQ(f.Edit4->Text(), "smtp.work.example");
  EXPECT_EQ(f.ComboBox2->ItemIndex(), 0);
  EXPECT_EQ(f.Edit5->Text(), "news.example");
  EXPECT_EQ(f.ListBox1->Items().Items(), (Items{"Backup line", kTokyoIsp}));
  EXPECT_EQ(f.ListBox1->ItemIndex(), 1);
  EXPECT_EQ(InternetProfileName, kTokyoIsp);
  EXPECT_EQ(ConnectionMode, 0);
  EXPECT_TRUE(f.RadioButton2->Checked());
  EXPECT_FALSE(f.RadioButton1->Checked() || f.RadioButton3->Checked());
  EXPECT_EQ(f.Edit1->Text(), "relay.local:8000");
  EXPECT_TRUE(f.CheckBox1->Checked());
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
  EXPECT_EQ(ProxyEnableFlag[0], 1);
  EXPECT_TRUE(SettingsLoaded);

  f.Close();
  EXPECT_TRUE(backend_.Reports.empty());
  for (const auto& [name, value] : {std::pair{"FormTop", f.Top()}, std::pair{"FormLeft", f.Left()},
                                    std::pair{"FormHeight", f.Height()}, std::pair{"FormWidth", f.Width()}}) {
    SCOPED_TRACE(name);
    const auto stored = Query(paths::Own, name);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(stored->data.size(), 4u);
    std::int32_t read = 0;
    std::memcpy(&read, stored->data.data(), 4);
    EXPECT_EQ(read, value);
  }
}

TEST_F(LoadOnRealRegistry, ProxyModeTakesServersAndBrowserProxyFromTheCopies) {
  PutAccount("00000001", kWork, "relay", "relay", "");
  PutAccount("00000002", kNews, "", "", "relay");
  PutString(paths::Iam, "Default Mail Account", "00000001");
  PutString(paths::Iam, "Default News Account", "00000002");
  PutCopy("00000001", "pop.work.example", "smtp.work.example", "");
  PutCopy("00000002", "", "", "news.example");
  PutBinary(kBrowserKey, "EnableAutodial", {0, 0, 0, 0});
  PutBinary(kBrowserKey, "ProxyEnable", {1, 0, 0, 0});
  PutString(kBrowserKey, "ProxyServer", "relay:8000");
  PutDword(paths::Own, "ConnectionType", 3);
  PutBinary(paths::OwnInternet, "ProxyEnable", {0, 7, 7, 7});
  PutString(paths::OwnInternet, "ProxyServer", "corp-proxy:8080");
  TForm1& f = Start();
  EXPECT_TRUE(backend_.Reports.empty());
  EXPECT_EQ(ConnectionMode, 3);
  EXPECT_TRUE(f.RadioButton1->Checked());
  EXPECT_EQ(f.Edit1->Text(), "relay:8000");
  EXPECT_FALSE(f.CheckBox1->Checked());
  EXPECT_EQ(ProxyEnableFlag[1], 7);
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
  EXPECT_EQ(f.ComboBox5->Items().Items(), (Items{"00000001", "00000002"}));
  EXPECT_EQ(f.ComboBox1->Items().Items(), Items{kWork});
  EXPECT_EQ(Pop3Servers.Items(), Items{"pop.work.example"});
  EXPECT_EQ(SmtpServers.Items(), Items{"smtp.work.example"});
  EXPECT_EQ(f.ComboBox2->Items().Items(), Items{kNews});
  EXPECT_EQ(NntpServers.Items(), Items{"news.example"});
  EXPECT_EQ(f.Edit3->Text(), "pop.work.example");
  EXPECT_EQ(f.Edit5->Text(), "news.example");
  EXPECT_TRUE(SettingsLoaded);
}

TEST_F(LoadOnRealRegistry, AutodialOnMeansDialup) {
  PutLanUser();
  PutBinary(kBrowserKey, "EnableAutodial", {1});
  PutString(paths::Own, "ConnectionType", "x");  // would fail if it were read
  TForm1& f = Start();
  EXPECT_TRUE(backend_.Reports.empty());
  EXPECT_EQ(ConnectionMode, 2);
  EXPECT_TRUE(f.RadioButton3->Checked());
  EXPECT_EQ(AutodialFlag[0], 1);
}

// Data the real registry refuses to fit: each ends the load at its step with
// the message the user sees.
TEST_F(LoadOnRealRegistry, StoredDataOfTheWrongShapeEndsTheLoad) {
  struct TCase {
    const char* what;
    void (*put)();
    const char* pattern;
    const char* value;
  };
  const TCase cases[] = {
      {"mode of eight bytes", [] { PutBinary(paths::Own, "ConnectionType", std::vector<BYTE>(8, 0)); },
       Msg::RegGetDataFailed, "ConnectionType"},
      {"mode as a short text", [] { PutString(paths::Own, "ConnectionType", "ab"); }, Msg::InvalidRegType,
       "ConnectionType"},
      {"proxy switch of five bytes", [] { PutBinary(kBrowserKey, "ProxyEnable", {1, 0, 0, 0, 0}); },
       Msg::InvalidRegType, "ProxyEnable"},
      {"autodial as an integer", [] { PutDword(kBrowserKey, "EnableAutodial", 1); }, Msg::InvalidRegType,
       "EnableAutodial"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveOurTrees();
    backend_.Reports.clear();
    PutLanUser();
    c.put();
    Start();
    ASSERT_EQ(backend_.Reports.size(), 1u);
    EXPECT_EQ(backend_.Reports[0], Report(c.pattern, c.value));
    EXPECT_FALSE(SettingsLoaded);
  }
}

}  // namespace
