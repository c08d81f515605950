// The program's whole promise, on Wine's registry through the real window:
// switch to proxy mode and back, and every value of the browser, the mail
// client and Remote Access is as it was, to the byte.

#include <gtest/gtest.h>

#include "RealProgram.h"
#include "UiProbe.h"

namespace {

// Places of the controls in the window.
constexpr POINT kQuendle{8, 4}, kLan{8, 36}, kDialup{8, 56}, kProxyField{84, 20}, kOK{252, 24};

const std::string kAccount1 = std::string(real::Accounts) + "\\00000001";
const std::string kAccount2 = std::string(real::Accounts) + "\\00000002";
const std::string kAccount3 = std::string(real::Accounts) + "\\00000003";

// A user whose values already hold what a non-proxy apply writes for the
// given mode, so that after the round trip everything compares equal.
void SeedUser(bool dialup) {
  for (const char* key : {real::Own, real::Iam, real::RemoteAccess}) real::DeleteTree(key);
  const DWORD mode = dialup ? 2 : 0;
  real::PutString(real::Iam, "Default Mail Account", "00000001");
  real::PutString(real::Iam, "Default News Account", "00000002");
  real::PutString(kAccount1, "Account Name", "\x89\xEF\x8E\xD0");  // "会社"
  real::PutString(kAccount1, "POP3 Server", "pop.work.example.jp");
  real::PutString(kAccount1, "SMTP Server", "smtp.work.example.jp");
  real::PutDword(kAccount1, "Connection Type", mode);
  real::PutString(kAccount1, "Connectoid", "Tokyo ISP");
  real::PutString(kAccount2, "Account Name", "News");
  real::PutString(kAccount2, "NNTP Server", "news.example.jp");
  real::PutDword(kAccount2, "Connection Type", mode);
  real::PutString(kAccount2, "Connectoid", "Tokyo ISP");
  real::PutString(kAccount3, "Account Name", "Directory");
  real::PutBinary(kAccount3, "LDAP Flags", {1, 2, 3});
  real::PutString(real::RemoteAccess, "InternetProfile", "Tokyo ISP");
  real::PutString(real::RemoteAccess, "Default", "Tokyo ISP");
  real::PutKey(std::string(real::RemoteAccess) + "\\Profile\\Tokyo ISP");
  real::PutKey(std::string(real::RemoteAccess) + "\\Profile\\Backup line");
  real::PutBinary(real::Internet, "EnableAutodial", {static_cast<BYTE>(dialup ? 1 : 0), 0, 0, 0});
  real::PutBinary(real::Internet, "ProxyEnable", {1, 0, 0, 0});
  real::PutString(real::Internet, "ProxyServer", "corp-proxy:8080");
}

std::string OthersValues() {
  return real::Query(real::Iam) + real::Query(real::Internet) + real::Query(real::RemoteAccess);
}

void Apply(POINT mode, const wchar_t* proxy = nullptr) {
  TProgram program;
  ASSERT_NE(program.Form(), nullptr);
  Click(program.At(mode.x, mode.y));
  if (proxy) SendWaiting(program.At(kProxyField.x, kProxyField.y), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(proxy));
  Click(program.At(kOK.x, kOK.y));
  EXPECT_EQ(program.Wait(), 0);
}

std::vector<BYTE> Bytes(const std::string& path, const char* name, DWORD* type) {
  std::vector<BYTE> data;
  *type = REG_NONE;
  real::Get(path, name, type, &data);
  return data;
}

TEST(RealRoundTrip, ToProxyAndBackRestoresEveryValue) {
  const struct {
    const char* what;
    bool dialup;
    POINT back;
  } cases[] = {{"LAN", false, kLan}, {"dial-up", true, kDialup}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SeedUser(c.dialup);
    const std::string before = OthersValues();
    ASSERT_NE(before.find("smtp.work.example.jp"), std::string::npos) << before;

    Apply(kQuendle, L"relay.local:8000");
    EXPECT_EQ(real::GetString(kAccount1, "POP3 Server"), "relay.local");
    EXPECT_EQ(real::GetString(kAccount1, "SMTP Server"), "relay.local");
    EXPECT_EQ(real::GetString(kAccount2, "NNTP Server"), "relay.local");
    EXPECT_EQ(real::GetString(real::Internet, "ProxyServer"), "relay.local:8000");
    DWORD type = 0;
    EXPECT_EQ(Bytes(real::Internet, "EnableAutodial", &type), (std::vector<BYTE>{0, 0, 0, 0}));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(Bytes(real::Own, "ConnectionType", &type), (std::vector<BYTE>{3, 0, 0, 0}));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(real::GetString(std::string(real::Own) + "\\Accounts\\00000001", "SMTP Server"),
              "smtp.work.example.jp");
    EXPECT_EQ(real::GetString(std::string(real::Own) + "\\Internet Settings", "ProxyServer"), "corp-proxy:8080");
    EXPECT_EQ(Bytes(std::string(real::Own) + "\\Internet Settings", "ProxyEnable", &type),
              (std::vector<BYTE>{1, 0, 0, 0}));

    Apply(c.back);
    EXPECT_EQ(OthersValues(), before);
    EXPECT_EQ(Bytes(real::Own, "ConnectionType", &type), (std::vector<BYTE>{static_cast<BYTE>(c.dialup ? 2 : 0), 0, 0, 0}));
    EXPECT_EQ(real::GetString(real::Own, "ProxyServer"), "relay.local:8000");
    // The copies hold no account name, connection type or connectoid.
    EXPECT_EQ(real::GetString(std::string(real::Own) + "\\Accounts\\00000001", "Connectoid"), "<absent>");
    EXPECT_EQ(real::GetString(std::string(real::Own) + "\\Accounts\\00000003", "POP3 Server"), "<absent>");
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The program's path, as a Unix path from CTest: reach it through Z:.
  if (argc > 1) {
    std::string path = argv[1];
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& ch : path)
      if (ch == '/') ch = '\\';
    ProgramPath.assign(path.begin(), path.end());
  }
  return RUN_ALL_TESTS();
}
