#include "acquisition/orphy.h"

#include <gtest/gtest.h>

#include "acquisition/scripted_source.h"
#include "acquisition/stored_settings.h"
#include "platform/failure.h"

namespace acquisition {
namespace {

using platform::Variant;

TEST(StoredSettings, ExactToTheCharacter) {
  const platform::PropertyBag s = orphy1_settings();
  EXPECT_EQ(s.size(), 9u);
  EXPECT_EQ(std::get<std::int32_t>(s.at("_extentx")), 4471);
  EXPECT_EQ(std::get<std::int32_t>(s.at("_extenty")), 873);
  EXPECT_EQ(static_cast<std::uint32_t>(std::get<std::int32_t>(s.at("backcolor"))), 0x80000005u);
  EXPECT_EQ(std::get<std::string>(s.at("nomgrandeur")), "tension" + std::string(43, ' '));
  EXPECT_EQ(std::get<std::string>(s.at("nomunite")), "V" + std::string(19, ' '));
  EXPECT_EQ(std::get<float>(s.at("valgrandeur")), 2.16796875f);
  EXPECT_EQ(std::get<std::string>(s.at("nomsymbole")), "U" + std::string(19, ' '));
  EXPECT_EQ(std::get<std::string>(s.at("version")), "7.13" + std::string(16, ' '));
  const std::string rom = std::get<std::string>(s.at("rom"));
  EXPECT_EQ(rom, "ORPHY GTS V3/0 " + std::string(185, '\0'));
  EXPECT_EQ(rom.size(), 200u);
  // The stored voltage is code 111 of an 8-bit converter over 5 V.
  EXPECT_EQ(std::get<float>(s.at("valgrandeur")), 111 * 5 / 256.0f);
}

class OrphyTest : public ::testing::Test {
 protected:
  OrphyTest() {
    register_orphy(registry, scripted(script));
    orphy1 = registry.create("ORPHYS.orphy", orphy1_settings());
  }
  std::shared_ptr<Script> script = std::make_shared<Script>();
  platform::ClassRegistry registry;
  std::unique_ptr<platform::Dispatch> orphy1;
};

TEST_F(OrphyTest, MembersHaveTheirIdentifiers) {
  EXPECT_EQ(orphy1->member_id("RawReading"), 0x6803000D);
  EXPECT_EQ(orphy1->member_id("MeasuredVoltage"), 0x68030001);
  EXPECT_THROW(orphy1->member_id("rawreading"), platform::Failure);
}

TEST_F(OrphyTest, CallsReachTheSourceFreshEachTime) {
  script->queue_raw(Variant(std::int32_t{28416}));
  script->queue_raw(Variant(std::int32_t{0}));
  script->set_voltage(Variant(2.5));
  EXPECT_EQ(orphy1->invoke(0x6803000D), Variant(std::int32_t{28416}));
  EXPECT_EQ(orphy1->invoke(0x6803000D), Variant(std::int32_t{0}));
  EXPECT_EQ(orphy1->invoke(0x68030001), Variant(2.5));
  EXPECT_EQ(script->log(),
            (std::vector<std::string>{"RawReading", "RawReading", "MeasuredVoltage"}));
}

TEST_F(OrphyTest, FailuresAreClear) {
  script->queue_raw(Script::Fail{"Carte débranchée."});
  try {
    orphy1->invoke(0x6803000D);
    FAIL();
  } catch (const platform::Failure& f) {
    EXPECT_STREQ(f.what(), "Carte débranchée.");
  }
  EXPECT_THROW(orphy1->invoke(0x6803000D), platform::Failure);  // nothing left to read
  EXPECT_THROW(orphy1->invoke(0), platform::Failure);
  EXPECT_THROW(registry.create("ORPHYS.orphy2", orphy1_settings()), platform::Failure);
}

TEST_F(OrphyTest, TheControlKeepsItsSettings) {
  const auto& control = dynamic_cast<const Orphy&>(*orphy1);
  EXPECT_EQ(control.settings(), orphy1_settings());
}

}  // namespace
}  // namespace acquisition
