#pragma once
// A user with n accounts (a mix of mail, news, both) and m dial-up entries,
// and the registry calls that the load and the apply need for them.

#include <cstdint>

#include "Harness.h"

struct TWorkload {
  int accounts, dialups;
  int mail = 0, news = 0;  // accounts that are mail, news (both count twice)
};

// Writes the configuration and returns its counts.
TWorkload PutWorkload(reg::TMemoryStore& store, int accounts, int dialups);

struct TCalls {
  std::uint64_t opens = 0, reads = 0, writes = 0, enums = 0, closes = 0;
};

TCalls Measured(const reg::TMemoryStore& store);
// What the load (LAN mode, own key present) and "O.K." in LAN mode require.
TCalls RequiredForLoad(const TWorkload& w);
TCalls RequiredForApply(const TWorkload& w);
