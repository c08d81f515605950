#include "Config.h"

void PutAccounts(reg::TMemoryStore& s, const std::vector<TAccount>& accounts, const std::string& defaultMail,
                 const std::string& defaultNews) {
  s.PutString(paths::Iam, "Default Mail Account", defaultMail);
  s.PutString(paths::Iam, "Default News Account", defaultNews);
  for (const auto& a : accounts) {
    const std::string key = paths::Accounts + "\\" + a.id;
    s.PutKey(key);
    if (!a.name.empty()) s.PutString(key, "Account Name", a.name);
    if (!a.pop3.empty()) s.PutString(key, "POP3 Server", a.pop3);
    if (!a.smtp.empty()) s.PutString(key, "SMTP Server", a.smtp);
    if (!a.nntp.empty()) s.PutString(key, "NNTP Server", a.nntp);
  }
}

void PutCopies(reg::TMemoryStore& s, const std::vector<TAccount>& accounts) {
  for (const auto& a : accounts) {
    const std::string key = paths::OwnAccounts + "\\" + a.id;
    s.PutKey(key);
    if (!a.pop3.empty()) s.PutString(key, "POP3 Server", a.pop3);
    if (!a.smtp.empty()) s.PutString(key, "SMTP Server", a.smtp);
    if (!a.nntp.empty()) s.PutString(key, "NNTP Server", a.nntp);
  }
}

void PutDialup(reg::TMemoryStore& s, const std::vector<std::string>& entries, const std::string& current) {
  s.PutString(paths::RemoteAccess, "InternetProfile", current);
  s.PutKey(paths::Profile);
  for (const auto& e : entries) s.PutKey(paths::Profile + "\\" + e);
}

void PutBrowser(reg::TMemoryStore& s, bool autodial, bool proxyOn, const std::string& proxy) {
  s.PutBinary(paths::Internet, "EnableAutodial", {static_cast<std::uint8_t>(autodial), 0, 0, 0});
  s.PutBinary(paths::Internet, "ProxyEnable", {static_cast<std::uint8_t>(proxyOn), 0, 0, 0});
  s.PutString(paths::Internet, "ProxyServer", proxy);
}

const std::vector<TAccount>& LanAccounts() {
  static const std::vector<TAccount> accounts{
      {"00000001", "Work mail", "pop.work.example", "smtp.work.example", ""},
      {"00000002", "Newsfeed", "", "", "news.example"},
      {"00000003", "Home", "pop.home.example", "smtp.home.example", "news.home.example"},
      {"00000004", "LDAP directory", "", "", ""},
      {"00000005", "Work mail", "pop2.example", "", ""},
  };
  return accounts;
}

void PutLanUser(reg::TMemoryStore& s) {
  PutAccounts(s, LanAccounts(), "00000003", "00000002");
  PutDialup(s, {"Tokyo ISP", "Backup line"}, "Tokyo ISP");
  PutBrowser(s, false, true, "corp-proxy:8080");
  s.PutDword(paths::Own, "ConnectionType", 0);
  s.PutString(paths::Own, "ProxyServer", "relay.local:8000");
}
