#include "Harness.h"

TForm1& THarness::Start() {
  ResetWorkingState();
  PictureIndex = 0;
  Form1 = nullptr;
  app_.reset();
  app_ = std::make_unique<TApplication>(backend, faults);
  app_->CreateForm(Form1);
  return *Form1;
}

std::string Report(const char* pattern, const std::string& name) {
  return FormatMessage1(pattern, name) + ".";
}

std::string StringAt(const reg::TMemoryStore& store, const std::string& path, const std::string& name) {
  const reg::TValue* v = store.Find(path, name);
  if (!v) return "";
  std::string s(v->data.begin(), v->data.end());
  if (!s.empty() && s.back() == '\0') s.pop_back();
  return s;
}
