#pragma once
// Names of the registry keys and values this program reads and writes, all
// under HKEY_CURRENT_USER. Paths are absolute (leading backslash).

namespace layout {

inline constexpr const char* RemoteAccessPath = "\\RemoteAccess";
inline constexpr const char* ProfilePath = "\\RemoteAccess\\Profile";
inline constexpr const char* AccountsSuffix = "\\Accounts";
inline constexpr const char* InternetSettingsSuffix = "\\Internet Settings";

// Remote Access
inline constexpr const char* InternetProfile = "InternetProfile";
inline constexpr const char* Default = "Default";
// Account manager and its accounts
inline constexpr const char* DefaultMailAccount = "Default Mail Account";
inline constexpr const char* DefaultNewsAccount = "Default News Account";
inline constexpr const char* AccountName = "Account Name";
inline constexpr const char* Pop3Server = "POP3 Server";
inline constexpr const char* SmtpServer = "SMTP Server";
inline constexpr const char* NntpServer = "NNTP Server";
inline constexpr const char* AccountConnectionType = "Connection Type";
inline constexpr const char* Connectoid = "Connectoid";
// Browser
inline constexpr const char* EnableAutodial = "EnableAutodial";
inline constexpr const char* ProxyEnable = "ProxyEnable";
inline constexpr const char* ProxyServer = "ProxyServer";
// Own key
inline constexpr const char* FormTop = "FormTop";
inline constexpr const char* FormLeft = "FormLeft";
inline constexpr const char* FormHeight = "FormHeight";
inline constexpr const char* FormWidth = "FormWidth";
inline constexpr const char* ConnectionType = "ConnectionType";

}  // namespace layout
