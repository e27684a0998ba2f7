#include "acquisition/simulation.h"

#include <gtest/gtest.h>

#include "acquisition/environment.h"
#include "acquisition/stored_settings.h"
#include "platform/failure.h"

namespace acquisition {
namespace {

using platform::Variant;

TEST(Converter8, CodesOverFiveVolts) {
  const std::pair<double, int> cases[] = {
      {0, 0},   {-1, 0},  {2.16796875, 111}, {2.1679, 110}, {4.98046875, 255},
      {5, 255}, {7, 255}, {5.0 / 256, 1},
  };
  for (const auto& [volts, code] : cases) EXPECT_EQ(Converter8::code(volts), code) << volts;
  EXPECT_EQ(Converter8::raw_reading(111), 28416);
  EXPECT_EQ(Converter8::voltage(111), 2.16796875);
}

TEST(Simulation, SlideGoesBackAndForthFromTheStoredVoltage) {
  const double start = 2.16796875;
  const std::pair<double, double> cases[] = {
      {0, start},
      {1, start + 0.5},
      {(5 - start) / 0.5, 5},
      {(5 - start) / 0.5 + 10, 0},
      {(5 - start) / 0.5 + 20, 5},
      {20, start},
  };
  for (const auto& [seconds, volts] : cases) {
    EXPECT_NEAR(Simulation::slide_volts(start, seconds), volts, 1e-9) << seconds;
  }
}

class ClockedSimulation : public ::testing::Test {
 protected:
  std::unique_ptr<Source> make(std::string_view text) {
    return make_simulation(parse_source_address(text), orphy1_settings(), [this] { return now; });
  }
  double now = 100;
};

TEST_F(ClockedSimulation, ReadingsAreConsistentConverterOutputs) {
  auto source = make("simulation");
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{28416}));
  EXPECT_EQ(source->measured_voltage(), Variant(2.16796875));
  for (now = 100; now < 130; now += 0.37) {
    const auto raw = std::get<std::int32_t>(source->raw_reading());
    const double volts = std::get<double>(source->measured_voltage());
    EXPECT_EQ(raw % 256, 0);
    EXPECT_GE(raw, 0);
    EXPECT_LE(raw, 65280);
    EXPECT_EQ(volts, raw / 256 * 5.0 / 256);
  }
}

TEST_F(ClockedSimulation, FixedValues) {
  auto volts_only = make("simulation?volts=0.7");
  EXPECT_EQ(volts_only->measured_voltage(), Variant(0.7));
  EXPECT_EQ(volts_only->raw_reading(), Variant(std::int32_t{35 * 256}));
  now = 200;
  EXPECT_EQ(volts_only->measured_voltage(), Variant(0.7));

  auto both = make("simulation?volts=-0.005&raw=-384");
  EXPECT_EQ(both->measured_voltage(), Variant(-0.005));
  EXPECT_EQ(both->raw_reading(), Variant(std::int32_t{-384}));
}

TEST(SourceFromText, DefaultsToTheSimulation) {
  for (const char* text : {"", "simulation"}) {
    auto source = make_source(text, orphy1_settings());
    ASSERT_NE(dynamic_cast<Simulation*>(source.get()), nullptr) << text;
  }
}

TEST(SourceFromText, BadTextsNameTheBadPart) {
  const std::pair<const char*, const char*> cases[] = {
      {"simulaton", "« simulaton »"},
      {"Simulation", "« Simulation »"},
      {"simulation?volt=2", "« volt »"},
      {"simulation?volts=2,5", "« 2,5 »"},
      {"simulation?volts=", "« volts »"},
      {"simulation?volts=abc", "« abc »"},
      {"simulation?volts=inf", "« inf »"},
      {"simulation?volts=+-1", "« +-1 »"},
      {"simulation?volts=1e999", "« 1e999 »"},
      {"simulation?volts=2&raw=1.5", "« 1.5 »"},
      {"simulation?volts=2&raw=2147483648", "« 2147483648 »"},
      {"simulation?raw=256", "« raw »"},
      {"simulation?volts=1&volts=2", "« volts »"},
      {"simulation?volts", "« volts »"},
      {"simulation?", "«  »"},
      {"simulation:x", "« x »"},
  };
  for (const auto& [text, part] : cases) {
    try {
      make_source(text, orphy1_settings());
      ADD_FAILURE() << text << " was accepted";
    } catch (const platform::Failure& f) {
      const std::string message = f.what();
      EXPECT_NE(message.find(part), std::string::npos) << text << ": " << message;
      EXPECT_NE(message.find("simulation?volts=V&raw=R"), std::string::npos) << message;
    }
  }
}

}  // namespace
}  // namespace acquisition
