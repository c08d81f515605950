#pragma once
// The program-wide working state: built by the load, edited by the window's
// handlers, read by the applier.

#include <cstdint>

#include "Classes.h"

extern AnsiString ServerText;
extern AnsiString DefaultMailAccount;
extern AnsiString DefaultNewsAccount;
extern AnsiString InternetProfileName;
extern AnsiString OwnKeyPath;
extern AnsiString AccountManagerKeyPath;
extern AnsiString InternetSettingsKeyPath;

extern std::int32_t ConnectionMode;  // 0 LAN, 2 dial-up, 3 proxy, or as stored
extern TStringList Pop3Servers;      // item i: mail account i
extern TStringList SmtpServers;
extern TStringList NntpServers;  // item i: news account i
extern std::int32_t MailAccountCount;
extern std::int32_t NewsAccountCount;
extern std::uint8_t AutodialFlag[4];
extern std::uint8_t ProxyEnableFlag[4];

// True once a load has run to its end since start-up: until then the window
// holds its placeholder texts, which must never reach the registry.
extern bool SettingsLoaded;

// Back to the state at program start (for a second start in one process).
void ResetWorkingState();
