#include "MemoryRegistryStore.h"

#include <algorithm>
#include <cstring>

namespace reg {

namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Folds ASCII letters to lower case and leaves double-byte characters as
// they are: a trail byte can look like a letter.
std::string Fold(const std::string& s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte(c)) {
      ++i;
    } else if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const auto end = path.find('\\', start);
    const auto stop = end == std::string::npos ? path.size() : end;
    if (stop > start) parts.push_back(path.substr(start, stop - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return parts;
}

constexpr std::size_t kMaxKeyNameLength = 255;

}  // namespace

bool TNameLess::operator()(const std::string& a, const std::string& b) const {
  return Fold(a) < Fold(b);
}

bool SameName(const std::string& a, const std::string& b) { return Fold(a) == Fold(b); }

struct TMemoryStore::TNode {
  std::string name;
  TNode* parent = nullptr;
  bool deleted = false;
  std::vector<std::shared_ptr<TNode>> children;  // kept in enumeration order
  std::map<std::string, TValue, TNameLess> values;

  std::vector<std::shared_ptr<TNode>>::iterator Slot(const std::string& childName) {
    const std::string key = Fold(childName);
    return std::lower_bound(children.begin(), children.end(), key,
                            [](const std::shared_ptr<TNode>& n, const std::string& k) {
                              return Fold(n->name) < k;
                            });
  }
  TNode* Child(const std::string& childName) {
    auto it = Slot(childName);
    return it != children.end() && SameName((*it)->name, childName) ? it->get() : nullptr;
  }
  TNode* AddChild(const std::string& childName) {
    auto node = std::make_shared<TNode>();
    node->name = childName;
    node->parent = this;
    return children.insert(Slot(childName), std::move(node))->get();
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
  return node == root_.get() ? root_ : *node->parent->Slot(node->name);
}

std::string TMemoryStore::PathOf(const TNode* node) const {
  std::vector<const std::string*> parts;
  for (; node && node != root_.get(); node = node->parent) parts.push_back(&node->name);
  std::string path;
  for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
    if (!path.empty()) path += '\\';
    path += **it;
  }
  return path;
}

Error TMemoryStore::Record(TOp op, const TNode* node, const std::string& name, Error result) {
  log_.push_back({op, node ? PathOf(node) : std::string(), name, result});
  return result;
}

std::size_t TMemoryStore::Count(TOp op) const {
  return static_cast<std::size_t>(
      std::count_if(log_.begin(), log_.end(), [op](const TOpRecord& r) { return r.op == op; }));
}

Error TMemoryStore::OpenKey(Key parent, const char* subKey, Key* result) {
  TNode* node = Resolve(parent);
  const std::string sub = subKey ? subKey : "";
  if (!node || node->deleted) return Record(TOp::Open, node, sub, kKeyDeleted);
  for (const auto& part : Split(sub)) {
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
  if (!node || node->deleted) return Record(TOp::Create, node, sub, kKeyDeleted);
  for (const auto& part : Split(sub)) {
    TNode* child = node->Child(part);
    if (!child) {
      if (part.size() > kMaxKeyNameLength) return Record(TOp::Create, node, sub, kInvalidParameter);
      if (denied_.count(Canon(PathOf(node)))) return Record(TOp::Create, node, sub, kAccessDenied);
      child = node->AddChild(part);
    }
    node = child;
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
  if (!node) return Record(TOp::Query, node, valueName, 6 /* ERROR_INVALID_HANDLE */);
  if (node->deleted) return Record(TOp::Query, node, valueName, kKeyDeleted);
  auto it = node->values.find(valueName);
  if (it == node->values.end()) return Record(TOp::Query, node, valueName, kFileNotFound);
  const TValue& value = it->second;
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
  if (!node) return Record(TOp::Set, node, valueName, 6 /* ERROR_INVALID_HANDLE */);
  if (node->deleted) return Record(TOp::Set, node, valueName, kKeyDeleted);
  const std::string path = Canon(PathOf(node));
  if (refused_.count({path, std::string()}) || refused_.count({path, Fold(valueName)}))
    return Record(TOp::Set, node, valueName, kAccessDenied);
  TValue& value = node->values[valueName];
  value.type = type;
  value.data.assign(data, data + size);
  return Record(TOp::Set, node, valueName, kSuccess);
}

Error TMemoryStore::QueryInfoKey(Key key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) {
  TNode* node = Resolve(key);
  if (!node) return Record(TOp::QueryInfo, node, "", 6 /* ERROR_INVALID_HANDLE */);
  if (node->deleted) return Record(TOp::QueryInfo, node, "", kKeyDeleted);
  if (noInfo_.count(Canon(PathOf(node)))) return Record(TOp::QueryInfo, node, "", kAccessDenied);
  std::size_t longest = 0;
  for (const auto& child : node->children) longest = std::max(longest, child->name.size());
  if (subKeys) *subKeys = static_cast<std::uint32_t>(node->children.size());
  if (maxSubKeyLen) *maxSubKeyLen = static_cast<std::uint32_t>(longest);
  return Record(TOp::QueryInfo, node, "", kSuccess);
}

Error TMemoryStore::EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t* nameLen) {
  TNode* node = Resolve(key);
  if (!node) return Record(TOp::Enum, node, "", 6 /* ERROR_INVALID_HANDLE */);
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
         it == handles_.end() ? 6 : kSuccess);
  if (it != handles_.end()) handles_.erase(it);
}

std::string TMemoryStore::Canon(const std::string& path) {
  std::string out;
  for (const auto& part : Split(path)) {
    if (!out.empty()) out += '\\';
    out += Fold(part);
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
  TValue& value = Walk(path, true, nullptr)->values[name];
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
  auto it = node->values.find(name);
  return it == node->values.end() ? nullptr : &it->second;
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
  siblings.erase(node->parent->Slot(node->name));
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
    for (const auto& [name, value] : n->values) out[path + "|" + name] = value;
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
  refused_.insert({Canon(path), Fold(name)});
}
void TMemoryStore::FailQueryInfo(const std::string& path) { noInfo_.insert(Canon(path)); }
void TMemoryStore::ClearFaults() {
  denied_.clear();
  refused_.clear();
  noInfo_.clear();
}

}  // namespace reg
