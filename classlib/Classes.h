#pragma once
// TStringList: an ordered list of texts whose bad index raises EListError.

#include <cstddef>
#include <vector>

#include "SysUtils.h"

class TStringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const AnsiString& Get(int index) const;
  const AnsiString& operator[](int index) const { return Get(index); }
  void Put(int index, const AnsiString& text);
  int Add(const AnsiString& text);
  void Insert(int index, const AnsiString& text);
  void Clear() { items_.clear(); }
  void Reserve(std::size_t n) { items_.reserve(n); }
  const std::vector<AnsiString>& Items() const { return items_; }
  std::vector<AnsiString>& MutableItems() { return items_; }

 private:
  void Check(int index) const;
  std::vector<AnsiString> items_;
};
