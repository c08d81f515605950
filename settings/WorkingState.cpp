#include "WorkingState.h"

#include <cstring>

// Constructed in this order before the entry runs, destroyed in reverse.
AnsiString ServerText;
AnsiString DefaultMailAccount;
AnsiString DefaultNewsAccount;
AnsiString InternetProfileName;
AnsiString OwnKeyPath = "\\Software\\Quimbry\\Orvik";
AnsiString AccountManagerKeyPath = "\\Software\\Microsoft\\Internet Account Manager";
AnsiString InternetSettingsKeyPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

std::int32_t ConnectionMode = 0;
TStringList Pop3Servers;
TStringList SmtpServers;
TStringList NntpServers;
std::int32_t MailAccountCount = 0;
std::int32_t NewsAccountCount = 0;
std::uint8_t AutodialFlag[4] = {0, 0, 0, 0};
std::uint8_t ProxyEnableFlag[4] = {0, 0, 0, 0};
bool SettingsLoaded = false;

void ResetWorkingState() {
  ServerText.clear();
  DefaultMailAccount.clear();
  DefaultNewsAccount.clear();
  InternetProfileName.clear();
  ConnectionMode = 0;
  Pop3Servers.Clear();
  SmtpServers.Clear();
  NntpServers.Clear();
  MailAccountCount = 0;
  NewsAccountCount = 0;
  std::memset(AutodialFlag, 0, sizeof AutodialFlag);
  std::memset(ProxyEnableFlag, 0, sizeof ProxyEnableFlag);
  SettingsLoaded = false;
}
