#include "Classes.h"

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Msg::ListIndexError);
}

const AnsiString& TStringList::Get(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const AnsiString& text) {
  Check(index);
  items_[static_cast<std::size_t>(index)] = text;
}

int TStringList::Add(const AnsiString& text) {
  items_.push_back(text);
  return Count() - 1;
}

void TStringList::Insert(int index, const AnsiString& text) {
  if (index < 0 || index > Count()) throw EListError(Msg::ListIndexError);
  items_.insert(items_.begin() + index, text);
}
