// Generated configurations on Wine's registry through the real program:
// LAN or dial-up -> proxy -> back, and every value of the browser and the
// accounts is back to its type and bytes (but those the non-proxy apply
// writes itself), with a very long server name among them.

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "Generator.h"
#include "RealProgram.h"
#include "UiProbe.h"

namespace {

struct TRaw {
  DWORD type;
  std::vector<BYTE> data;
  bool operator==(const TRaw&) const = default;
};
using TTree = std::map<std::string, TRaw>;

// Every value below the key, by "path|name".
void Read(const std::string& path, TTree& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::vector<char> name(16384);
  std::vector<BYTE> data(1 << 20);
  for (DWORD i = 0;; ++i) {
    DWORD nameLen = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueA(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    out[path + "|" + std::string(name.data(), nameLen)] = {type, std::vector<BYTE>(data.begin(), data.begin() + size)};
  }
  std::vector<std::string> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD nameLen = static_cast<DWORD>(name.size());
    if (RegEnumKeyExA(key, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.emplace_back(name.data(), nameLen);
  }
  RegCloseKey(key);
  for (const auto& s : subkeys) Read(path + "\\" + s, out);
}

TTree Others() {
  TTree t;
  for (const char* key : {real::Iam, real::Internet, real::RemoteAccess}) Read(key, t);
  return t;
}

bool WrittenByTheApply(const std::string& key) {
  for (const char* name : {"|Connection Type", "|Connectoid", "|EnableAutodial"})
    if (key.size() > std::strlen(name) && key.compare(key.size() - std::strlen(name), std::string::npos, name) == 0)
      return true;
  // Remote Access names the chosen entry again.
  return key.rfind(std::string(real::RemoteAccess) + "|", 0) == 0;
}

void Switch(POINT mode, const wchar_t* proxy) {
  TProgram program;
  ASSERT_NE(program.Form(), nullptr);
  HWND list = program.At(24, 76);
  // An entry must be chosen where there are any; picking one picks dial-up.
  if (SendWaiting(list, LB_GETCURSEL) == LB_ERR && SendWaiting(list, LB_GETCOUNT) > 0) {
    SendWaiting(list, LB_SETCURSEL, 0);
    SendWaiting(program.Form(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                reinterpret_cast<LPARAM>(list));
  }
  Click(program.At(mode.x, mode.y));
  if (proxy) SendWaiting(program.At(84, 20), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(proxy));
  Click(program.At(252, 24));
  EXPECT_EQ(program.Wait(), 0);
}

TEST(RealGeneratedRoundTrip, SeedsComeBackByteForByte) {
  int passed = 0;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    const bool dialup = seed % 2 == 0;
    SCOPED_TRACE("seed " + std::to_string(seed));
    for (const char* key : {real::Own, real::Iam, real::RemoteAccess}) real::DeleteTree(key);
    for (const char* name : {"EnableAutodial", "ProxyEnable", "ProxyServer", "User Agent"}) {
      HKEY k = nullptr;
      if (RegOpenKeyExA(HKEY_CURRENT_USER, real::Internet, 0, KEY_ALL_ACCESS, &k) == ERROR_SUCCESS) {
        RegDeleteValueA(k, name);
        RegCloseKey(k);
      }
    }
    const TRegistryImage image = GenerateConfiguration(seed, dialup);
    for (const auto& k : image.keys) real::PutKey(k);
    for (const auto& v : image.values) {
      HKEY k = nullptr;
      RegCreateKeyExA(HKEY_CURRENT_USER, v.path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
      RegSetValueExA(k, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
      RegCloseKey(k);
    }
    // A server name far longer than an edit shows by default.
    const std::string longName(70000, 'x');
    real::PutString(std::string(real::Accounts) + "\\LONG", "POP3 Server", longName + ".example.jp");
    real::PutString(std::string(real::Accounts) + "\\LONG", "SMTP Server", "smtp." + longName);
    const TTree before = Others();
    ASSERT_GT(before.size(), 5u);

    Switch({8, 4}, L"relay.local:8000");
    EXPECT_EQ(real::GetString(std::string(real::Accounts) + "\\LONG", "POP3 Server"), "relay.local");
    Switch(dialup ? POINT{8, 56} : POINT{8, 36}, nullptr);

    const TTree after = Others();
    for (const auto& [key, value] : before) {
      if (WrittenByTheApply(key)) continue;
      auto it = after.find(key);
      ASSERT_NE(it, after.end()) << "gone: " << key;
      const bool expandBecameSz = value.type == REG_EXPAND_SZ && it->second.type == REG_SZ;
      EXPECT_TRUE(it->second.type == value.type || expandBecameSz) << key;
      EXPECT_TRUE(it->second.data == value.data) << key << " (" << value.data.size() << " bytes before, "
                                                 << it->second.data.size() << " after)";
    }
    for (const auto& [key, value] : after) {
      if (before.count(key) || WrittenByTheApply(key)) continue;
      bool zero = true;
      for (BYTE b : value.data) zero = zero && b == 0;
      EXPECT_TRUE(zero) << "created: " << key;
    }
    if (!::testing::Test::HasFailure()) ++passed;
  }
  RecordProperty("wine_round_trips_passed", passed);
}

}  // namespace
