#include "platform/control.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class Echo : public Dispatch {
 public:
  explicit Echo(PropertyBag settings) : settings_(std::move(settings)) {}
  MemberId member_id(std::string_view name) const override {
    if (name == "Value") return 7;
    throw unknown_member("Test.echo", name);
  }
  Variant invoke(MemberId id) override {
    if (id == 7) return std::get<std::string>(settings_.at("text"));
    throw unknown_member("Test.echo", id);
  }

 private:
  PropertyBag settings_;
};

TEST(ClassRegistry, CreatesByClassNameWithSettings) {
  ClassRegistry registry;
  registry.add("Test.echo", [](const PropertyBag& s) { return std::make_unique<Echo>(s); });
  auto control = registry.create("Test.echo", {{"text", std::string("bonjour")}});
  EXPECT_EQ(std::get<std::string>(control->invoke(control->member_id("Value"))), "bonjour");
}

TEST(ClassRegistry, UnknownNamesAreClearFailures) {
  ClassRegistry registry;
  registry.add("Test.echo", [](const PropertyBag& s) { return std::make_unique<Echo>(s); });
  try {
    registry.create("Test.absent", {});
    FAIL();
  } catch (const Failure& f) {
    EXPECT_NE(std::string(f.what()).find("« Test.absent »"), std::string::npos) << f.what();
  }
  auto control = registry.create("Test.echo", {{"text", std::string()}});
  EXPECT_THROW(control->member_id("Other"), Failure);
  try {
    control->invoke(0x6803000E);
    FAIL();
  } catch (const Failure& f) {
    EXPECT_NE(std::string(f.what()).find("0x6803000E"), std::string::npos) << f.what();
  }
}

}  // namespace
}  // namespace platform
