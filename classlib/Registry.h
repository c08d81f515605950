#pragma once
// TRegistry: the registry accessor. One key open at a time; absolute paths
// start with a backslash; releasing the accessor closes the open key.

#include <cstdint>

#include "Classes.h"
#include "RegistryStore.h"

class TRegistry {
 public:
  explicit TRegistry(reg::TStore& store);
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // Only HKEY_CURRENT_USER exists for this program; setting it again closes
  // nothing and is kept for the callers that say so.
  void SetRootKeyCurrentUser() {}

  bool OpenKey(const AnsiString& path, bool canCreate);
  void CloseKey();
  bool HasOpenKey() const { return current_ != 0; }

  AnsiString ReadString(const AnsiString& name);
  std::int32_t ReadInteger(const AnsiString& name);
  // As ReadInteger, but an absent value gives false instead of an error.
  bool TryReadInteger(const AnsiString& name, std::int32_t& value);
  // Copies REG_BINARY of at most bufferSize bytes to the start of buffer.
  int ReadBinaryData(const AnsiString& name, void* buffer, int bufferSize);

  void WriteString(const AnsiString& name, const AnsiString& value);
  void WriteInteger(const AnsiString& name, std::int32_t value);
  void WriteBinaryData(const AnsiString& name, const void* buffer, int size);

  // Replaces the list's items by the open key's subkey names.
  void GetKeyNames(TStringList& list);

 private:
  void Write(const AnsiString& name, std::uint32_t type, const std::uint8_t* data,
             std::uint32_t size);
  std::int32_t ReadInteger(const AnsiString& name, bool* absent);
  reg::TStore& store_;
  reg::Key current_ = 0;
};
