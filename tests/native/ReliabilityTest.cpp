// Nothing lost: every write of "O.K." refused in turn, every read of the
// load given each wrong type, keys that refuse access, and round trips over
// generated configurations.

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "Config.h"
#include "Generator.h"

namespace {

using Snapshot = std::map<std::string, reg::TValue>;

void Write(reg::TMemoryStore& s, const TRegistryImage& image) {
  for (const auto& k : image.keys) s.PutKey(k);
  for (const auto& v : image.values) s.Put(v.path, v.name, v.type, v.data);
}

// Starts the program, picks the mode by its radio button and presses "O.K.".
void Switch(THarness& h, TRadioButton* TForm1::*mode, const std::string& proxy = "relay.local:8000") {
  TForm1& f = h.Start();
  if (f.ListBox1->ItemIndex() < 0 && f.ListBox1->Items().Count() > 0) f.ListBox1->UserSelect(0);
  (f.*mode)->UserClick();
  if (mode == &TForm1::RadioButton1) f.Edit1->SetText(proxy);
  f.Button1->UserClick();
}

struct TWrite {
  std::string path, name;
};

std::vector<TWrite> WritesOf(const reg::TMemoryStore& s) {
  std::vector<TWrite> writes;
  for (const auto& op : s.Log())
    if (op.op == reg::TOp::Set) writes.push_back({op.path, op.name});
  return writes;
}

TEST(FaultSweep, EveryRefusedWriteStopsThereAndASecondPressCompletes) {
  struct Case {
    const char* what;
    bool startInProxy;
    TRadioButton* TForm1::*mode;
  } cases[] = {{"LAN to proxy", false, &TForm1::RadioButton1},
               {"proxy to LAN", true, &TForm1::RadioButton2},
               {"LAN to dial-up", false, &TForm1::RadioButton3}};
  int swept = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto prepare = [&](THarness& h) {
      PutLanUser(h.store);
      if (c.startInProxy) Switch(h, &TForm1::RadioButton1);
    };
    THarness clean;
    prepare(clean);
    clean.store.ClearLog();
    Switch(clean, c.mode);
    ASSERT_TRUE(clean.Reports().empty());
    const std::vector<TWrite> writes = WritesOf(clean.store);
    const Snapshot expected = clean.store.Snapshot();
    // The last four writes are the placement at close.
    ASSERT_GT(writes.size(), 4u);
    for (std::size_t k = 0; k + 4 < writes.size(); ++k) {
      SCOPED_TRACE(writes[k].path + " | " + writes[k].name);
      THarness h;
      prepare(h);
      h.store.ClearLog();
      h.faults.RefuseWriteNumber(static_cast<int>(k));
      Switch(h, c.mode);
      ASSERT_EQ(h.Reports().size(), 1u);
      EXPECT_EQ(h.Reports()[0], Report(Msg::RegSetDataFailed, writes[k].name));
      EXPECT_FALSE(h.App().Terminated());
      const auto done = WritesOf(h.store);
      ASSERT_EQ(done.size(), k);  // nothing after the refused one
      EXPECT_EQ(h.store.OpenKeyCount(), 0u);
      h.faults.Clear();
      Form1->Button1->UserClick();
      EXPECT_TRUE(h.App().Terminated());
      const Snapshot after = h.store.Snapshot();
      ASSERT_EQ(after.size(), expected.size());
      for (const auto& [key, value] : expected) {
        ASSERT_TRUE(after.count(key)) << key;
        EXPECT_EQ(after.at(key).data, value.data) << key;
        EXPECT_EQ(after.at(key).type, value.type) << key;
      }
      ++swept;
    }
  }
  RecordProperty("writes_refused", swept);
}

// What a read of each kind must do with a value of the given type and data.
enum class TKind { String, Integer, Binary };
TKind KindOf(const std::string& name) {
  static const std::set<std::string> integers{"ConnectionType", "FormTop", "FormLeft", "FormHeight",
                                              "FormWidth"};
  if (integers.count(name)) return TKind::Integer;
  if (name == "EnableAutodial" || name == "ProxyEnable") return TKind::Binary;
  return TKind::String;
}

const char* ExpectedError(TKind kind, std::uint32_t type, std::size_t size) {
  switch (kind) {
    case TKind::String:
      return size == 0 || type == reg::kSz || type == reg::kExpandSz ? nullptr : Msg::InvalidRegType;
    case TKind::Integer:
      if (size > 4) return Msg::RegGetDataFailed;
      return type == reg::kDword ? nullptr : Msg::InvalidRegType;
    case TKind::Binary: return type == reg::kBinary && size <= 4 ? nullptr : Msg::InvalidRegType;
  }
  return nullptr;
}

TEST(FaultSweep, EveryReadOfTheLoadMeetsEachWrongTypeAndSize) {
  const struct {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  } wrong[] = {{reg::kDword, {1, 0, 0, 0}},
               {reg::kBinary, {1, 0, 0, 0, 0, 0, 0, 0}},
               {reg::kSz, {'a', 'b', 0}},
               {reg::kSz, {'a', 'b', 'c', 'd', 0}},
               {reg::kMultiSz, {'a', 0, 0}},
               {reg::kQword, {3, 0, 0, 0, 0, 0, 0, 0}},
               {reg::kNone, {}},
               {reg::kBinary, {1, 0}}};
  int tried = 0;
  for (bool proxyMode : {false, true}) {
    auto prepare = [proxyMode](THarness& h) {
      PutLanUser(h.store);
      if (proxyMode) Switch(h, &TForm1::RadioButton1);
    };
    THarness probe;
    prepare(probe);
    probe.store.ClearLog();
    probe.Start();
    std::vector<TWrite> reads;
    std::set<std::string> seen;
    for (const auto& op : probe.store.Log())
      if (op.op == reg::TOp::Query && seen.insert(op.path + "|" + op.name).second)
        reads.push_back({op.path, op.name});
    ASSERT_GT(reads.size(), 10u);
    for (const auto& r : reads) {
      for (const auto& w : wrong) {
        SCOPED_TRACE(r.path + " | " + r.name + " type " + std::to_string(w.type) + " size " +
                     std::to_string(w.data.size()));
        THarness h;
        prepare(h);
        h.store.Put(r.path, r.name, w.type, w.data);
        h.store.ClearLog();
        h.Start();
        ++tried;
        const char* error = ExpectedError(KindOf(r.name), w.type, w.data.size());
        if (!error) {
          EXPECT_TRUE(h.Reports().empty());
          continue;
        }
        ASSERT_EQ(h.Reports().size(), 1u);
        EXPECT_EQ(h.Reports()[0], Report(error, r.name));
        // The read that failed was the last one.
        const auto& log = h.store.Log();
        std::size_t lastQuery = 0;
        for (std::size_t i = 0; i < log.size(); ++i)
          if (log[i].op == reg::TOp::Query) lastQuery = i;
        EXPECT_EQ(log[lastQuery].name, r.name);
        EXPECT_EQ(h.store.OpenKeyCount(), 0u);
      }
    }
  }
  RecordProperty("read_faults_tried", tried);
}

TEST(FaultSweep, KeysThatRefuseFullAccessAreSkippedSilently) {
  THarness probe;
  PutLanUser(probe.store);
  probe.store.ClearLog();
  probe.Start();
  std::set<std::string> opened;
  for (const auto& op : probe.store.Log())
    if ((op.op == reg::TOp::Open || op.op == reg::TOp::Create) && op.result == reg::kSuccess)
      opened.insert(op.path);
  for (const auto& key : opened) {
    SCOPED_TRACE(key);
    THarness h;
    PutLanUser(h.store);
    h.store.DenyFullAccess(key);
    TForm1& f = h.Start();
    EXPECT_TRUE(h.Reports().empty());
    f.Button1->UserClick();
    if (key == paths::Profile) {
      // No entries listed, none selected: "O.K." asks for one.
      EXPECT_EQ(h.Reports(), std::vector<AnsiString>{Report(Msg::ListIndexError)});
      continue;
    }
    EXPECT_TRUE(h.Reports().empty());
    EXPECT_TRUE(h.App().Terminated());
  }
  // A subkey count that cannot be had lists no accounts.
  THarness h;
  PutLanUser(h.store);
  h.store.FailQueryInfo(paths::Accounts);
  TForm1& f = h.Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(f.ComboBox5->Items().Count(), 0);
}

// Values that the non-proxy apply writes itself, whatever they were.
bool RewrittenByApply(const std::string& key) {
  for (const char* name : {"|Connection Type", "|Connectoid", "|EnableAutodial"})
    if (key.size() >= std::strlen(name) &&
        key.compare(key.size() - std::strlen(name), std::string::npos, name) == 0)
      return true;
  return false;
}

bool IsOthersValue(const std::string& key) {
  return key.rfind(paths::Internet + "|", 0) == 0 || key.rfind(paths::Accounts + "\\", 0) == 0;
}

// Empty text, or a switch with all bytes zero: what an absent value reads as.
bool ReadsAsAbsent(const reg::TValue& v) {
  for (auto b : v.data)
    if (b != 0) return false;
  return true;
}

void ExpectRestored(const Snapshot& before, const Snapshot& after) {
  for (const auto& [key, value] : before) {
    ASSERT_TRUE(after.count(key)) << "deleted: " << key;
    if (!IsOthersValue(key) || RewrittenByApply(key)) continue;
    const reg::TValue& now = after.at(key);
    EXPECT_EQ(now.data, value.data) << key;
    const bool expandBecameSz = value.type == reg::kExpandSz && now.type == reg::kSz;
    EXPECT_TRUE(now.type == value.type || expandBecameSz) << key;
  }
  for (const auto& [key, value] : after) {
    if (before.count(key) || !IsOthersValue(key) || RewrittenByApply(key)) continue;
    EXPECT_TRUE(ReadsAsAbsent(value)) << "created: " << key;
  }
}

TEST(RoundTrip, SwitchingToProxyAndBackRestoresEveryValue) {
  int passed = 0;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    for (bool dialup : {false, true}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + (dialup ? " dial-up" : " LAN"));
      THarness h;
      Write(h.store, GenerateConfiguration(seed, dialup));
      const Snapshot before = h.store.Snapshot();
      const auto keysBefore = h.store.KeyPaths();
      TRadioButton* TForm1::*back = dialup ? &TForm1::RadioButton3 : &TForm1::RadioButton2;
      Switch(h, &TForm1::RadioButton1);
      ASSERT_TRUE(h.Reports().empty());
      Switch(h, back);
      ASSERT_TRUE(h.Reports().empty());
      const Snapshot restored = h.store.Snapshot();
      ExpectRestored(before, restored);
      for (const auto& k : keysBefore) ASSERT_TRUE(h.store.HasKey(k)) << k;
      for (const auto& k : h.store.KeyPaths())
        EXPECT_TRUE(keysBefore.count(k) || k.rfind("Software\\Quimbry", 0) == 0 || k == "Software") << k;
      // Once more in the same mode: nothing changes.
      TForm1& f = h.Start();
      f.Button1->UserClick();
      ASSERT_TRUE(h.Reports().empty());
      const Snapshot again = h.store.Snapshot();
      ASSERT_EQ(again.size(), restored.size());
      for (const auto& [key, value] : restored) {
        EXPECT_EQ(again.at(key).data, value.data) << key;
        EXPECT_EQ(again.at(key).type, value.type) << key;
      }
      if (!::testing::Test::HasFailure()) ++passed;
    }
  }
  RecordProperty("round_trips_passed", passed);
}

}  // namespace
