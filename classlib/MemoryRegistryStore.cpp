#include "MemoryRegistryStore.h"

#include <algorithm>
#include <cstring>

#include "Cp932Table.h"

namespace reg {

namespace {

constexpr Error kBadPathname = 161;  // ERROR_BAD_PATHNAME
constexpr Error kInvalidHandle = 6;  // ERROR_INVALID_HANDLE
// Windows takes a key name of up to 255 UTF-16 code units. (Wine takes one
// more, and refuses an ANSI subkey path beyond 260 units as a whole; neither
// is Windows' behaviour, so neither is copied here.)
constexpr std::size_t kMaxKeyNameUnits = 255;

// What the registry makes of the byte a name cannot be read as: the
// replacement character for a pair that is no character, nothing for a lead
// byte at the end; Wine keeps 0xA0 and 0xFD-0xFF in private code points.
constexpr char16_t kNoCharacter = 0x30FB;

char16_t SingleByte(unsigned char c) {
  if (c < 0x80) return c;
  if (c == 0x80) return 0x80;
  if (c >= 0xA1 && c <= 0xDF) return static_cast<char16_t>(0xFF61 + (c - 0xA1));  // half-width kana
  if (c == 0xA0) return 0xF8F0;
  return static_cast<char16_t>(0xF8F1 + (c - 0xFD));  // 0xFD-0xFF
}

// Letters as the registry folds them when it compares names: the cased
// letters of code page 932 are Latin, full-width Latin, Greek, Cyrillic and
// the Roman numerals.
char16_t Lower(char16_t u) {
  if ((u >= u'A' && u <= u'Z') || (u >= 0xFF21 && u <= 0xFF3A) || (u >= 0x0391 && u <= 0x03A9) ||
      (u >= 0x0410 && u <= 0x042F))
    return static_cast<char16_t>(u + 0x20);
  if (u == 0x0401) return 0x0451;
  if (u >= 0x2160 && u <= 0x216F) return static_cast<char16_t>(u + 0x10);
  return u;
}

// A name as the registry holds it (UTF-16, since the ANSI functions convert
// from code page 932), letters folded: equal keys are the same name, and the
// keys' order is the order in which subkeys enumerate.
std::u16string NameKey(const std::string& name) {
  std::u16string key;
  key.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (!cp932::IsLeadByte(c)) {
      key.push_back(Lower(SingleByte(c)));
    } else if (i + 1 == name.size()) {
      key.push_back(0);
    } else {
      const std::uint16_t unit = cp932::DoubleByte(c, static_cast<unsigned char>(name[i + 1]));
      key.push_back(Lower(unit ? static_cast<char16_t>(unit) : kNoCharacter));
      ++i;
    }
  }
  return key;
}

// A subkey's name as the registry gives it back: it holds the name in UTF-16,
// so a character with two codes comes back in the one the ANSI functions
// choose, and bytes that are no character as that conversion makes them.
std::string Respell(const std::string& name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (!cp932::IsLeadByte(c)) {
      out.push_back(name[i]);
    } else if (i + 1 == name.size()) {
      out.push_back('\0');
    } else {
      const auto code = static_cast<std::uint16_t>(c << 8 | static_cast<unsigned char>(name[++i]));
      const std::uint16_t spelled =
          cp932::DoubleByte(c, static_cast<unsigned char>(code)) ? cp932::Respelled(code) : 0x8145;
      out.push_back(static_cast<char>(spelled >> 8));
      out.push_back(static_cast<char>(spelled & 0xFF));
    }
  }
  return out;
}

// The parts of a key path; a trail byte of a double-byte character can be
// 0x5C and is no separator.
std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '\\') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
      continue;
    }
    part.push_back(c);
    if (cp932::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size()) part.push_back(path[++i]);
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

// A subkey path that starts with a backslash is refused, or a part longer
// than a key name can be.
Error CheckSubKey(const std::string& sub, const std::vector<std::string>& parts) {
  if (!sub.empty() && sub[0] == '\\') return kBadPathname;
  for (const auto& part : parts)
    if (NameKey(part).size() > kMaxKeyNameUnits) return kInvalidParameter;
  return kSuccess;
}

}  // namespace

bool TNameLess::operator()(const std::string& a, const std::string& b) const {
  return NameKey(a) < NameKey(b);
}

bool SameName(const std::string& a, const std::string& b) { return NameKey(a) == NameKey(b); }

struct TMemoryStore::TNode {
  std::string name;
  std::u16string key;  // NameKey(name)
  TNode* parent = nullptr;
  bool deleted = false;
  std::vector<std::shared_ptr<TNode>> children;  // kept in enumeration order
  std::string path;  // from HKEY_CURRENT_USER, kept for the log
  // By NameKey, so that a look-up folds the name once.
  struct TNamed {
    std::string name;
    TValue value;
  };
  std::map<std::u16string, TNamed> values;

  // The value of that name, made if it is not there; it keeps the spelling
  // it was first made with, as the registry does.
  TValue& Named(const std::string& valueName) {
    auto& named = values[NameKey(valueName)];
    if (named.name.empty()) named.name = valueName;
    return named.value;
  }

  std::vector<std::shared_ptr<TNode>>::iterator Slot(const std::u16string& childKey) {
    return std::lower_bound(children.begin(), children.end(), childKey,
                            [](const std::shared_ptr<TNode>& n, const std::u16string& k) {
                              return n->key < k;
                            });
  }
  TNode* Child(const std::string& childName) {
    const std::u16string childKey = NameKey(childName);
    auto it = Slot(childKey);
    return it != children.end() && (*it)->key == childKey ? it->get() : nullptr;
  }
  TNode* AddChild(const std::string& childName) {
    auto node = std::make_shared<TNode>();
    node->name = Respell(childName);
    node->key = NameKey(childName);
    node->parent = this;
    node->path = path.empty() ? node->name : path + "\\" + node->name;
    auto slot = Slot(node->key);
    return children.insert(slot, std::move(node))->get();
  }
};

TMemoryStore::TMemoryStore() : root_(std::make_shared<TNode>()) {}
TMemoryStore::~TMemoryStore() = default;

TMemoryStore::TNode* TMemoryStore::Resolve(Key key) const {
  if (key == kRootHandle) return root_.get();
  auto it = handles_.find(key);
  return it == handles_.end() ? nullptr : it->second.get();
}

std::shared_ptr<TMemoryStore::TNode> TMemoryStore::Share(TNode* node) const {
  return node == root_.get() ? root_ : *node->parent->Slot(node->key);
}

std::string TMemoryStore::PathOf(const TNode* node) const { return node ? node->path : std::string(); }

Error TMemoryStore::Record(TOp op, const TNode* node, const std::string& name, Error result) {
  ++counts_[static_cast<std::size_t>(op)];
  if (logging_) log_.push_back({op, node ? PathOf(node) : std::string(), name, result});
  return result;
}


Error TMemoryStore::OpenKey(Key parent, const char* subKey, Key* result) {
  TNode* node = Resolve(parent);
  const std::string sub = subKey ? subKey : "";
  if (!node) return Record(TOp::Open, node, sub, kInvalidHandle);
  if (node->deleted) return Record(TOp::Open, node, sub, kKeyDeleted);
  const auto parts = Split(sub);
  if (const Error bad = CheckSubKey(sub, parts)) return Record(TOp::Open, node, sub, bad);
  for (const auto& part : parts) {
    node = node->Child(part);
    if (!node) return Record(TOp::Open, Resolve(parent), sub, kFileNotFound);
  }
  if (denied_.count(Canon(PathOf(node)))) return Record(TOp::Open, node, "", kAccessDenied);
  const Key handle = nextHandle_++;
  handles_[handle] = Share(node);
  *result = handle;
  return Record(TOp::Open, node, "", kSuccess);
}

Error TMemoryStore::CreateKey(Key parent, const char* subKey, Key* result) {
  TNode* node = Resolve(parent);
  const std::string sub = subKey ? subKey : "";
  if (!node) return Record(TOp::Create, node, sub, kInvalidHandle);
  if (node->deleted) return Record(TOp::Create, node, sub, kKeyDeleted);
  const auto parts = Split(sub);
  if (const Error bad = CheckSubKey(sub, parts)) return Record(TOp::Create, node, sub, bad);
  // Wine creates a subkey below a key that refuses full access; only the
  // key finally opened is asked for it.
  for (const auto& part : parts) {
    TNode* child = node->Child(part);
    node = child ? child : node->AddChild(part);
  }
  if (denied_.count(Canon(PathOf(node)))) return Record(TOp::Create, node, "", kAccessDenied);
  const Key handle = nextHandle_++;
  handles_[handle] = Share(node);
  *result = handle;
  return Record(TOp::Create, node, "", kSuccess);
}

Error TMemoryStore::QueryValue(Key key, const char* name, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* size) {
  TNode* node = Resolve(key);
  const std::string valueName = name ? name : "";
  if (!node) return Record(TOp::Query, node, valueName, kInvalidHandle);
  if (node->deleted) return Record(TOp::Query, node, valueName, kKeyDeleted);
  auto it = node->values.find(NameKey(valueName));
  if (it == node->values.end()) return Record(TOp::Query, node, valueName, kFileNotFound);
  const TValue& value = it->second.value;
  const auto need = static_cast<std::uint32_t>(value.data.size());
  if (type) *type = value.type;
  Error rc = kSuccess;
  if (data) {
    if (!size || *size < need) {
      rc = kMoreData;
    } else if (need > 0) {
      std::memcpy(data, value.data.data(), need);
    }
  }
  if (size) *size = need;
  return Record(TOp::Query, node, valueName, rc);
}

Error TMemoryStore::SetValue(Key key, const char* name, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
  TNode* node = Resolve(key);
  const std::string valueName = name ? name : "";
  if (!node) return Record(TOp::Set, node, valueName, kInvalidHandle);
  if (node->deleted) return Record(TOp::Set, node, valueName, kKeyDeleted);
  const std::u16string path = Canon(PathOf(node));
  if (refused_.count({path, std::u16string()}) || refused_.count({path, NameKey(valueName)}))
    return Record(TOp::Set, node, valueName, kAccessDenied);
  TValue& value = node->Named(valueName);
  value.type = type;
  value.data.assign(data, data + size);
  return Record(TOp::Set, node, valueName, kSuccess);
}

Error TMemoryStore::QueryInfoKey(Key key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) {
  TNode* node = Resolve(key);
  if (!node) return Record(TOp::QueryInfo, node, "", kInvalidHandle);
  if (node->deleted) return Record(TOp::QueryInfo, node, "", kKeyDeleted);
  if (noInfo_.count(Canon(PathOf(node)))) return Record(TOp::QueryInfo, node, "", kAccessDenied);
  // As the registry counts it: in UTF-16 code units, so a name of
  // double-byte characters is longer in the ANSI form than reported.
  std::size_t longest = 0;
  for (const auto& child : node->children) longest = std::max(longest, child->key.size());
  if (subKeys) *subKeys = static_cast<std::uint32_t>(node->children.size());
  if (maxSubKeyLen) *maxSubKeyLen = static_cast<std::uint32_t>(longest);
  return Record(TOp::QueryInfo, node, "", kSuccess);
}

Error TMemoryStore::EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t* nameLen) {
  TNode* node = Resolve(key);
  if (!node) return Record(TOp::Enum, node, "", kInvalidHandle);
  if (node->deleted) return Record(TOp::Enum, node, "", kKeyDeleted);
  if (index >= node->children.size()) return Record(TOp::Enum, node, "", kNoMoreItems);
  const std::string& childName = node->children[index]->name;
  if (*nameLen < childName.size() + 1) return Record(TOp::Enum, node, childName, kMoreData);
  std::memcpy(name, childName.c_str(), childName.size() + 1);
  *nameLen = static_cast<std::uint32_t>(childName.size());
  return Record(TOp::Enum, node, childName, kSuccess);
}

void TMemoryStore::CloseKey(Key key) {
  auto it = handles_.find(key);
  Record(TOp::Close, it == handles_.end() ? nullptr : it->second.get(), "",
         it == handles_.end() ? kInvalidHandle : kSuccess);
  if (it != handles_.end()) handles_.erase(it);
}

std::u16string TMemoryStore::Canon(const std::string& path) {
  std::u16string out;
  for (const auto& part : Split(path)) {
    if (!out.empty()) out += u'\\';
    out += NameKey(part);
  }
  return out;
}

TMemoryStore::TNode* TMemoryStore::Walk(const std::string& path, bool create, Error* error) {
  TNode* node = root_.get();
  for (const auto& part : Split(path)) {
    TNode* child = node->Child(part);
    if (!child) {
      if (!create) {
        if (error) *error = kFileNotFound;
        return nullptr;
      }
      child = node->AddChild(part);
    }
    node = child;
  }
  return node;
}

const TMemoryStore::TNode* TMemoryStore::Walk(const std::string& path) const {
  return const_cast<TMemoryStore*>(this)->Walk(path, false, nullptr);
}

void TMemoryStore::PutKey(const std::string& path) { Walk(path, true, nullptr); }

void TMemoryStore::Put(const std::string& path, const std::string& name, std::uint32_t type,
                       std::vector<std::uint8_t> data) {
  TValue& value = Walk(path, true, nullptr)->Named(name);
  value.type = type;
  value.data = std::move(data);
}

void TMemoryStore::PutString(const std::string& path, const std::string& name,
                             const std::string& text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  Put(path, name, kSz, std::move(data));
}

void TMemoryStore::PutDword(const std::string& path, const std::string& name, std::uint32_t v) {
  Put(path, name, kDword,
      {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
       static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)});
}

void TMemoryStore::PutBinary(const std::string& path, const std::string& name,
                             std::vector<std::uint8_t> bytes) {
  Put(path, name, kBinary, std::move(bytes));
}

bool TMemoryStore::HasKey(const std::string& path) const { return Walk(path) != nullptr; }

const TValue* TMemoryStore::Find(const std::string& path, const std::string& name) const {
  const TNode* node = Walk(path);
  if (!node) return nullptr;
  auto it = node->values.find(NameKey(name));
  return it == node->values.end() ? nullptr : &it->second.value;
}

void TMemoryStore::DeleteKey(const std::string& path) {
  TNode* node = const_cast<TNode*>(Walk(path));
  if (!node || node == root_.get()) return;
  std::vector<TNode*> stack{node};
  while (!stack.empty()) {
    TNode* n = stack.back();
    stack.pop_back();
    n->deleted = true;
    for (auto& c : n->children) stack.push_back(c.get());
  }
  auto& siblings = node->parent->children;
  siblings.erase(node->parent->Slot(node->key));
}

std::vector<std::string> TMemoryStore::SubKeys(const std::string& path) const {
  std::vector<std::string> names;
  if (const TNode* node = Walk(path))
    for (const auto& c : node->children) names.push_back(c->name);
  return names;
}

std::map<std::string, TValue> TMemoryStore::Snapshot() const {
  std::map<std::string, TValue> out;
  std::vector<const TNode*> stack{root_.get()};
  while (!stack.empty()) {
    const TNode* n = stack.back();
    stack.pop_back();
    const std::string path = PathOf(n);
    for (const auto& [key, named] : n->values) out[path + "|" + named.name] = named.value;
    for (const auto& c : n->children) stack.push_back(c.get());
  }
  return out;
}

std::set<std::string> TMemoryStore::KeyPaths() const {
  std::set<std::string> out;
  std::vector<const TNode*> stack{root_.get()};
  while (!stack.empty()) {
    const TNode* n = stack.back();
    stack.pop_back();
    if (n != root_.get()) out.insert(PathOf(n));
    for (const auto& c : n->children) stack.push_back(c.get());
  }
  return out;
}

void TMemoryStore::DenyFullAccess(const std::string& path) { denied_.insert(Canon(path)); }
void TMemoryStore::RefuseWrite(const std::string& path, const std::string& name) {
  refused_.insert({Canon(path), NameKey(name)});
}
void TMemoryStore::FailQueryInfo(const std::string& path) { noInfo_.insert(Canon(path)); }
void TMemoryStore::ClearFaults() {
  denied_.clear();
  refused_.clear();
  noInfo_.clear();
}

}  // namespace reg
