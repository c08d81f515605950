// The registry contract on the memory store.

#include <gtest/gtest.h>

#include "MemoryRegistryStore.h"
#include "RegistryContract.h"

namespace {

class TMemoryFixture : public contract::TRegistryFixture {
 public:
  TMemoryFixture() { store_.PutKey(Root()); }
  reg::TMemoryStore& Memory() { return store_; }
  reg::TStore& Store() override { return store_; }
  std::string Root() const override { return "Software\\OrvikContractTest"; }
  void PutValue(const std::string& path, const std::string& name, std::uint32_t type,
                const contract::TBytes& data) override {
    store_.Put(path, name, type, data);
  }
  void DeleteKey(const std::string& path) override { store_.DeleteKey(path); }
  void DenyFullAccess(const std::string& path) override { store_.DenyFullAccess(path); }
  void MakeWritesFail(const std::string& path) override { store_.RefuseWrite(path, ""); }

 private:
  reg::TMemoryStore store_;
};

class RegistryContractOnMemory : public ::testing::TestWithParam<contract::TContractCase> {};

TEST_P(RegistryContractOnMemory, Holds) {
  TMemoryFixture fixture;
  GetParam().run(fixture);
  // Every key that was opened, by TRegistry or to look, was closed again.
  EXPECT_EQ(fixture.Memory().OpenKeyCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, RegistryContractOnMemory, ::testing::ValuesIn(contract::ContractCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
