#pragma once
// Seeded generator of believable and awkward user configurations, as a list
// of keys and values that can be written into any registry.

#include <cstdint>
#include <string>
#include <vector>

struct TEntry {
  std::string path, name;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
};

struct TRegistryImage {
  std::vector<std::string> keys;
  std::vector<TEntry> values;
  bool dialup = false;  // automatic dialling on
  bool hasDialupEntries = false;
};

// A configuration as left by the user's own programs (never by Orvik):
// autodial on or off as asked.
TRegistryImage GenerateConfiguration(std::uint32_t seed, bool autodial);
