#pragma once
// What TRegistry does on a registry, as one table of cases that runs on the
// memory store (native tests) and on Wine's registry (Windows build). A
// store brings a small fixture for what only it can do: put data as another
// program would leave it, delete a key, refuse full access, refuse writes.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "RegistryStore.h"

namespace contract {

using TBytes = std::vector<std::uint8_t>;

class TRegistryFixture {
 public:
  virtual ~TRegistryFixture() = default;
  virtual reg::TStore& Store() = 0;
  // The scratch key the cases work in, a path below HKEY_CURRENT_USER
  // without the leading backslash; it exists and is empty.
  virtual std::string Root() const = 0;
  // Creates the key as needed and puts a value holding exactly these bytes
  // (a text without its terminating zero stays without it).
  virtual void PutValue(const std::string& path, const std::string& name, std::uint32_t type,
                        const TBytes& data) = 0;
  // Removes the key and its subkeys as another program would; a handle
  // still open on it sees it deleted.
  virtual void DeleteKey(const std::string& path) = 0;
  // The key stays, but opening it for full access is refused.
  virtual void DenyFullAccess(const std::string& path) = 0;
  // From now on every write of a value into the key fails, also through a
  // handle opened before.
  virtual void MakeWritesFail(const std::string& path) = 0;
};

struct TContractCase {
  std::string name;  // a test name: letters and digits
  std::function<void(TRegistryFixture&)> run;
};

inline void PrintTo(const TContractCase& c, std::ostream* os) { *os << c.name; }

const std::vector<TContractCase>& ContractCases();

}  // namespace contract
