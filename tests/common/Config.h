#pragma once
// Small registry configurations for the tests, written into a memory store.

#include <string>
#include <vector>

#include "Harness.h"

struct TAccount {
  std::string id, name, pop3, smtp, nntp;
};

// Accounts of the mail client, in the given order.
void PutAccounts(reg::TMemoryStore& s, const std::vector<TAccount>& accounts,
                 const std::string& defaultMail = "", const std::string& defaultNews = "");
// Copies below the own key (servers only).
void PutCopies(reg::TMemoryStore& s, const std::vector<TAccount>& accounts);
void PutDialup(reg::TMemoryStore& s, const std::vector<std::string>& entries, const std::string& current);
void PutBrowser(reg::TMemoryStore& s, bool autodial, bool proxyOn, const std::string& proxy);

// A user on LAN with two mail accounts, one news account, one of both and
// one of neither, two dial-up entries and a browser proxy.
void PutLanUser(reg::TMemoryStore& s);
const std::vector<TAccount>& LanAccounts();
