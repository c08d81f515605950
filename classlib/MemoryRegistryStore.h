#pragma once
// An in-memory registry with the Win32 behaviour that TRegistry relies on:
// names compared without regard to letter case, subkeys enumerated in the
// registry's order, the sizes of the ANSI functions (name lengths reported
// in UTF-16 code units, as the registry holds names). It can be told to fail,
// and it records every operation for tests and call counts.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "RegistryStore.h"

namespace reg {

// Orders names as the registry enumerates them (seen on Wine): by their
// UTF-16 form with letters compared as lower case, so "_x" comes before "A"
// and full-width "\x82\x60" is the same name as "\x82\x81".
struct TNameLess {
  bool operator()(const std::string& a, const std::string& b) const;
};
bool SameName(const std::string& a, const std::string& b);

enum class TOp { Open, Create, Query, Set, QueryInfo, Enum, Close };

struct TOpRecord {
  TOp op;
  std::string path;  // key path without the leading backslash
  std::string name;  // value name, subkey path or empty
  Error result;
};

struct TValue {
  std::uint32_t type = kNone;
  std::vector<std::uint8_t> data;
};

class TMemoryStore : public TStore {
 public:
  TMemoryStore();
  ~TMemoryStore() override;

  Key CurrentUser() override { return kRootHandle; }
  Error OpenKey(Key parent, const char* subKey, Key* result) override;
  Error CreateKey(Key parent, const char* subKey, Key* result) override;
  Error QueryValue(Key key, const char* name, std::uint32_t* type, std::uint8_t* data,
                   std::uint32_t* size) override;
  Error SetValue(Key key, const char* name, std::uint32_t type, const std::uint8_t* data,
                 std::uint32_t size) override;
  Error QueryInfoKey(Key key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) override;
  Error EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t* nameLen) override;
  void CloseKey(Key key) override;

  // Direct access for tests, by path from HKEY_CURRENT_USER ("A\\B").
  void PutKey(const std::string& path);
  void Put(const std::string& path, const std::string& name, std::uint32_t type,
           std::vector<std::uint8_t> data);
  void PutString(const std::string& path, const std::string& name, const std::string& text);
  void PutDword(const std::string& path, const std::string& name, std::uint32_t value);
  void PutBinary(const std::string& path, const std::string& name,
                 std::vector<std::uint8_t> bytes);
  bool HasKey(const std::string& path) const;
  const TValue* Find(const std::string& path, const std::string& name) const;
  void DeleteKey(const std::string& path);  // with its subkeys; open handles see it deleted
  std::vector<std::string> SubKeys(const std::string& path) const;
  // Every value below HKEY_CURRENT_USER as "path|name" -> value, for comparing states.
  std::map<std::string, TValue> Snapshot() const;
  std::set<std::string> KeyPaths() const;

  // Faults.
  void DenyFullAccess(const std::string& path);       // exists, but open and create fail
  void RefuseWrite(const std::string& path, const std::string& name);  // empty name: all
  void FailQueryInfo(const std::string& path);
  void ClearFaults();

  std::size_t OpenKeyCount() const { return handles_.size(); }
  const std::vector<TOpRecord>& Log() const { return log_; }
  void ClearLog() {
    log_.clear();
    counts_.fill(0);
  }
  std::size_t Count(TOp op) const { return counts_[static_cast<std::size_t>(op)]; }
  // Without the detailed log only the counts are kept (for timings).
  void SetLogging(bool on) { logging_ = on; }

 private:
  struct TNode;
  static constexpr Key kRootHandle = 1;
  TNode* Resolve(Key key) const;
  std::shared_ptr<TNode> Share(TNode* node) const;
  TNode* Walk(const std::string& path, bool create, Error* error);
  const TNode* Walk(const std::string& path) const;
  static std::u16string Canon(const std::string& path);
  std::string PathOf(const TNode* node) const;
  Error Record(TOp op, const TNode* node, const std::string& name, Error result);

  std::shared_ptr<TNode> root_;
  std::map<Key, std::shared_ptr<TNode>> handles_;
  Key nextHandle_ = 16;
  std::set<std::u16string> denied_, noInfo_;
  std::set<std::pair<std::u16string, std::u16string>> refused_;
  std::vector<TOpRecord> log_;
  std::array<std::size_t, 7> counts_{};
  bool logging_ = true;
};

}  // namespace reg
