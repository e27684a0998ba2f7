#include "measure/tick.h"

#include <gtest/gtest.h>

#include <map>

#include "acquisition/orphy.h"
#include "acquisition/scripted_source.h"
#include "acquisition/stored_settings.h"
#include "memory_fields.h"
#include "platform/failure.h"

namespace measure {
namespace {

using acquisition::Script;
using platform::Variant;

// The real control on a scripted source, and the window's fields in memory.
class TickTest : public ::testing::Test {
 protected:
  TickTest() {
    acquisition::register_orphy(registry, acquisition::scripted(script));
    orphy1 = registry.create("ORPHYS.orphy", acquisition::orphy1_settings());
    measurement = std::make_unique<Measurement>(fields, *orphy1);
  }

  void steady(const Variant& raw, const Variant& volts) {
    script->set_raw(raw);
    script->set_voltage(volts);
  }

  std::shared_ptr<Script> script = std::make_shared<Script>();
  platform::ClassRegistry registry;
  std::unique_ptr<platform::Dispatch> orphy1;
  MemoryFields fields;
  std::unique_ptr<Measurement> measurement;
};

struct CodeCase {
  Variant raw;
  const char* binary;
  const char* decimal;
  const char* hex;
};

TEST_F(TickTest, CodeDisplays) {
  const CodeCase cases[] = {
      {std::int32_t{28416}, "01101111", "111", "6F"},
      {std::int32_t{0}, "00000000", "0", "0"},
      {std::int32_t{256}, "00000001", "1", "1"},
      {std::int32_t{512}, "00000010", "2", "2"},
      {std::int32_t{32768}, "10000000", "128", "80"},
      {std::int32_t{65280}, "11111111", "255", "FF"},
      // Every number type gives the same whole codes.
      {std::int16_t{28416}, "01101111", "111", "6F"},
      {28416.0f, "01101111", "111", "6F"},
      {28416.0, "01101111", "111", "6F"},
      {std::string("28416"), "01101111", "111", "6F"},
      {std::uint8_t{0}, "00000000", "0", "0"},
      // Fractional codes: the decimal display keeps the fraction, the
      // hexadecimal one rounds ties to even, the binary one shows the whole part.
      {std::int32_t{28544}, "01101111", "111.5", "70"},
      {std::int32_t{28288}, "01101110", "110.5", "6E"},
      {std::int32_t{28417}, "01101111", "111.00390625", "6F"},
      // The precision of the code follows the reading's type.
      {std::uint8_t{255}, "00000000", "0.9960938", "1"},
      {std::int32_t{255}, "00000000", "0.99609375", "1"},
      {85.333333f, "00000000", "0.3333333", "0"},
      {256.0 / 3, "00000000", "0.333333333333333", "0"},
      // Beyond 8 bits every digit shows; negative codes carry a sign.
      {std::int32_t{65536}, "100000000", "256", "100"},
      {std::int32_t{2147483647}, "11111111111111111111111", "8388607.99609375", "800000"},
      {std::int32_t{-256}, "-00000001", "-1", "-1"},
      {std::int32_t{-384}, "-00000010", "-1.5", "-2"},
      {std::int16_t{-32768}, "-10000000", "-128", "-80"},
      {1e300, "", "3.90625E+297", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::type_name(c.raw) + std::string(" ") + c.decimal);
    steady(c.raw, 1.0);
    if (std::string(c.hex).empty()) {
      // Far beyond any converter: the binary form still comes, then the
      // hexadecimal form overflows.
      EXPECT_THROW(measurement->tick(), platform::Failure);
      EXPECT_EQ(fields.texts[Field::Text2], c.decimal);
      EXPECT_EQ(fields.texts[Field::Text7].size(), 989u);  // 3.9E+297 is 2^988.3
      continue;
    }
    measurement->tick();
    EXPECT_EQ(fields.texts[Field::Text7], c.binary);
    EXPECT_EQ(fields.texts[Field::Text2], c.decimal);
    EXPECT_EQ(fields.texts[Field::Text4], c.hex);
  }
}

TEST_F(TickTest, VoltageDisplay) {
  const std::pair<Variant, const char*> cases[] = {
      {2.16796875, "2.16 V"},   {0.7, "0.69 V"}, {5.0, "5 V"},
      {-0.005, "-0.01 V"},      {0.0, "0 V"},    {4.999, "4.99 V"},
      {std::int16_t{3}, "3 V"}, {2.5f, "2.5 V"}, {std::string("1.005"), "1 V"},
  };
  for (const auto& [volts, text] : cases) {
    steady(std::int32_t{0}, volts);
    measurement->tick();
    EXPECT_EQ(fields.texts[Field::Text3], text) << text;
  }
}

struct LengthCase {
  const char* slope;
  const char* offset;
  double volts;
  const char* length;
};

TEST_F(TickTest, LengthDisplay) {
  const LengthCase cases[] = {
      {"2", "0", 2.16796875, "4.3 cm"},
      {"2", "0", 2.5, "5 cm"},
      {"2", "-5", 2.16796875, "-0.7 cm"},
      {"2,5", "0", 2.5, "5 cm"},
      {"", "3.27", 2.5, "3.2 cm"},
      {"", "", 2.5, "0 cm"},
      {"1 0", "0", 2.5, "25 cm"},
      {"2cm/V", "0.5 cm", 1.0, "2.5 cm"},
      {"-2", "0", 2.16796875, "-4.4 cm"},
      // What the user typed gives no finite length: the field says so and the
      // program goes on.
      {"1e400", "0", 2.5, "Erreur"},
      {"2", "-1e999", 2.5, "Erreur"},
      {"1e308", "1e308", 5.0, "Erreur"},
      {"1.7e308", "0", 1.0, "Erreur"},
  };
  fields.check = 1;
  for (const auto& c : cases) {
    fields.texts[Field::Text1] = c.slope;
    fields.texts[Field::Text5] = c.offset;
    steady(std::int32_t{0}, c.volts);
    measurement->tick();
    EXPECT_EQ(fields.texts[Field::Text6], c.length) << c.slope << " / " << c.offset;
    EXPECT_EQ(fields.texts[Field::Text4], "0");  // the tick went on to its end
  }
}

TEST_F(TickTest, DecimalCommaLocale) {
  fields.separator = ",";
  fields.check = 1;
  steady(std::int32_t{28544}, 2.16796875);
  measurement->tick();
  EXPECT_EQ(fields.texts[Field::Text2], "111,5");
  EXPECT_EQ(fields.texts[Field::Text4], "70");
  EXPECT_EQ(fields.texts[Field::Text3], "2,16 V");
  EXPECT_EQ(fields.texts[Field::Text6], "4,3 cm");
  fields.texts[Field::Text1] = "2,5";  // a comma is never read as a separator
  measurement->tick();
  EXPECT_EQ(fields.texts[Field::Text6], "4,3 cm");
}

TEST_F(TickTest, OnlyATickedBoxComputesTheLength) {
  steady(std::int32_t{28416}, 2.5);
  for (const auto& [state, length] :
       {std::pair{0, ""}, std::pair{1, "5 cm"}, std::pair{2, ""}, std::pair{3, ""}}) {
    fields.check = state;
    fields.texts[Field::Text6] = "ancien";
    measurement->tick();
    EXPECT_EQ(fields.texts[Field::Text6], length) << state;
  }
}

TEST_F(TickTest, FourFreshReadsInOrder) {
  script->queue_raw(Variant(std::int32_t{28416}));
  script->queue_raw(Variant(std::int32_t{0}));
  script->queue_voltage(Variant(2.5));
  script->queue_voltage(Variant(1.0));
  fields.check = 1;
  measurement->tick();
  EXPECT_EQ(script->log(), (std::vector<std::string>{"RawReading", "RawReading", "MeasuredVoltage",
                                                     "MeasuredVoltage"}));
  // Each display shows the read it was made from.
  EXPECT_EQ(fields.texts[Field::Text7], "01101111");
  EXPECT_EQ(fields.texts[Field::Text2], "0");
  EXPECT_EQ(fields.texts[Field::Text4], "0");
  EXPECT_EQ(fields.texts[Field::Text3], "1 V");
  EXPECT_EQ(fields.texts[Field::Text6], "5 cm");
}

TEST_F(TickTest, TextTypedIntoADisplayIsReplaced) {
  steady(std::int32_t{28416}, 2.5);
  for (Field f : {Field::Text2, Field::Text3, Field::Text4, Field::Text6, Field::Text7}) {
    fields.texts[f] = "tapé";
  }
  measurement->tick();
  EXPECT_EQ(fields.texts[Field::Text2], "111");
  EXPECT_EQ(fields.texts[Field::Text3], "2.5 V");
  EXPECT_EQ(fields.texts[Field::Text4], "6F");
  EXPECT_EQ(fields.texts[Field::Text6], "");
  EXPECT_EQ(fields.texts[Field::Text7], "01101111");
}

// A failing read abandons the tick: fields written before it keep their new
// texts, the later ones keep the old.
struct FailureCase {
  int failing_read;  // 0 to 3, in the order of the tick
  std::vector<Field> written;
};

TEST_F(TickTest, AFailureAbandonsTheTickWhereItHappened) {
  const FailureCase cases[] = {
      {0, {}},
      {1, {Field::Text7}},
      {2, {Field::Text7, Field::Text2}},
      {3, {Field::Text7, Field::Text2}},
  };
  const Field all[] = {Field::Text2, Field::Text3, Field::Text4, Field::Text6, Field::Text7};
  fields.check = 1;
  for (const auto& c : cases) {
    for (Field f : all) fields.texts[f] = "ancien";
    script = std::make_shared<Script>();
    registry = {};
    acquisition::register_orphy(registry, acquisition::scripted(script));
    orphy1 = registry.create("ORPHYS.orphy", acquisition::orphy1_settings());
    measurement = std::make_unique<Measurement>(fields, *orphy1);
    for (int read = 0; read < 2; ++read) {
      script->queue_raw(read == c.failing_read ? Script::Step(Script::Fail{"Panne."})
                                               : Script::Step(Variant(std::int32_t{28416})));
      script->queue_voltage(read + 2 == c.failing_read ? Script::Step(Script::Fail{"Panne."})
                                                       : Script::Step(Variant(2.5)));
    }
    EXPECT_THROW(measurement->tick(), platform::Failure) << c.failing_read;
    for (Field f : all) {
      const bool written = std::find(c.written.begin(), c.written.end(), f) != c.written.end();
      EXPECT_EQ(fields.texts[f] != "ancien", written) << c.failing_read << " field " << int(f);
    }
  }
}

TEST_F(TickTest, ReadingsThatAreNoNumberAreFailures) {
  const std::pair<Variant, Variant> cases[] = {
      {Variant(), Variant(1.0)},
      {Variant(std::string("abc")), Variant(1.0)},
      {Variant(std::int32_t{0}), Variant()},
      {Variant(std::int32_t{0}), Variant(std::string("2,5"))},
      {Variant(std::int32_t{0}), Variant(1e300)},
  };
  for (const auto& [raw, volts] : cases) {
    steady(raw, volts);
    EXPECT_THROW(measurement->tick(), platform::Failure);
  }
}

}  // namespace
}  // namespace measure
