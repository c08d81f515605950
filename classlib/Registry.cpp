#include "Registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

[[noreturn]] void Raise(const char* pattern, const AnsiString& name) {
  throw ERegistryException(FormatMessage1(pattern, name));
}

// A subkey name longer than this is no name a registry can hold; it bounds
// the retries when a store keeps asking for more room.
constexpr std::uint32_t kMaxNameBuffer = 1u << 16;

}  // namespace

TRegistry::TRegistry(reg::TStore& store) : store_(store) {}

TRegistry::~TRegistry() { CloseKey(); }

bool TRegistry::OpenKey(const AnsiString& path, bool canCreate) {
  // An absolute path starts at the root; a relative one below the open key.
  const bool absolute = !path.empty() && path[0] == '\\';
  const reg::Key parent = (absolute || current_ == 0) ? store_.CurrentUser() : current_;
  const char* subKey = path.c_str() + (absolute ? 1 : 0);
  reg::Key opened = 0;
  const reg::Error rc = canCreate ? store_.CreateKey(parent, subKey, &opened)
                                  : store_.OpenKey(parent, subKey, &opened);
  if (rc != reg::kSuccess) return false;
  CloseKey();
  current_ = opened;
  return true;
}

void TRegistry::CloseKey() {
  if (current_ == 0) return;
  store_.CloseKey(current_);
  current_ = 0;
}

AnsiString TRegistry::ReadString(const AnsiString& name) {
  // Most values fit the first buffer, so one query usually does; another
  // program may grow the value between two queries, hence the loop.
  std::vector<std::uint8_t> data(256);
  for (;;) {
    std::uint32_t type = 0;
    auto got = static_cast<std::uint32_t>(data.size());
    const reg::Error rc = store_.QueryValue(current_, name.c_str(), &type, data.data(), &got);
    if (rc == reg::kMoreData) {
      if (type != reg::kSz && type != reg::kExpandSz) Raise(Msg::InvalidRegType, name);
      data.resize(std::max<std::size_t>(got, data.size() * 2));
      continue;
    }
    if (rc != reg::kSuccess || got == 0) return AnsiString();
    if (type != reg::kSz && type != reg::kExpandSz) Raise(Msg::InvalidRegType, name);
    const auto* begin = reinterpret_cast<const char*>(data.data());
    const std::size_t length = std::min<std::size_t>(got, data.size());
    const void* zero = std::memchr(begin, 0, length);
    return AnsiString(begin, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - begin)
                                  : length);
  }
}

std::int32_t TRegistry::ReadInteger(const AnsiString& name) { return ReadInteger(name, nullptr); }

bool TRegistry::TryReadInteger(const AnsiString& name, std::int32_t& value) {
  bool absent = false;
  const std::int32_t read = ReadInteger(name, &absent);
  if (absent) return false;
  value = read;
  return true;
}

std::int32_t TRegistry::ReadInteger(const AnsiString& name, bool* absent) {
  std::uint8_t data[4] = {0, 0, 0, 0};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof data;
  const reg::Error rc = store_.QueryValue(current_, name.c_str(), &type, data, &size);
  if (rc == reg::kFileNotFound && absent) {
    *absent = true;
    return 0;
  }
  if (rc != reg::kSuccess) Raise(Msg::RegGetDataFailed, name);
  if (type != reg::kDword) Raise(Msg::InvalidRegType, name);
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | data[i];
  return static_cast<std::int32_t>(value);
}

int TRegistry::ReadBinaryData(const AnsiString& name, void* buffer, int bufferSize) {
  std::vector<std::uint8_t> data(static_cast<std::size_t>(std::max(bufferSize, 0)));
  std::uint32_t type = 0;
  auto got = static_cast<std::uint32_t>(data.size());
  const reg::Error rc = store_.QueryValue(current_, name.c_str(), &type, data.data(), &got);
  if (rc != reg::kSuccess && rc != reg::kMoreData) return 0;  // absent
  // Longer than the buffer (ERROR_MORE_DATA) or of another type.
  if (rc == reg::kMoreData || type != reg::kBinary) Raise(Msg::InvalidRegType, name);
  got = std::min<std::uint32_t>(got, static_cast<std::uint32_t>(data.size()));
  if (got > 0) std::memcpy(buffer, data.data(), got);
  return static_cast<int>(got);
}

void TRegistry::Write(const AnsiString& name, std::uint32_t type, const std::uint8_t* data,
                      std::uint32_t size) {
  if (store_.SetValue(current_, name.c_str(), type, data, size) != reg::kSuccess)
    Raise(Msg::RegSetDataFailed, name);
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
  // With its terminating zero, as REG_SZ is meant to be stored.
  Write(name, reg::kSz, reinterpret_cast<const std::uint8_t*>(value.c_str()),
        static_cast<std::uint32_t>(value.size() + 1));
}

void TRegistry::WriteInteger(const AnsiString& name, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const std::uint8_t data[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                static_cast<std::uint8_t>(bits >> 16),
                                static_cast<std::uint8_t>(bits >> 24)};
  Write(name, reg::kDword, data, sizeof data);
}

void TRegistry::WriteBinaryData(const AnsiString& name, const void* buffer, int size) {
  Write(name, reg::kBinary, static_cast<const std::uint8_t*>(buffer),
        static_cast<std::uint32_t>(size));
}

void TRegistry::GetKeyNames(TStringList& list) {
  list.Clear();
  std::uint32_t count = 0;
  std::uint32_t maxLen = 0;
  if (current_ == 0 || store_.QueryInfoKey(current_, &count, &maxLen) != reg::kSuccess) return;
  list.Reserve(count);
  // Room for a name of double-byte characters, as the ANSI length may be.
  std::vector<char> name(std::min<std::uint32_t>(maxLen * 2 + 1, kMaxNameBuffer));
  for (std::uint32_t i = 0; i < count;) {
    auto len = static_cast<std::uint32_t>(name.size());
    const reg::Error rc = store_.EnumKey(current_, i, name.data(), &len);
    if (rc == reg::kMoreData && name.size() < kMaxNameBuffer) {
      // A longer name appeared since the count was taken.
      name.resize(std::min<std::size_t>(name.size() * 2, kMaxNameBuffer));
      continue;
    }
    if (rc == reg::kNoMoreItems) break;  // subkeys went away during the walk
    if (rc == reg::kSuccess) list.Add(AnsiString(name.data(), std::min<std::size_t>(len, name.size())));
    ++i;
  }
}
