#include "acquisition/iio_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "acquisition/iio_attributes.h"
#include "platform/failure.h"

namespace acquisition {
namespace {

namespace fs = std::filesystem;
using platform::Variant;

// A directory tree laid out like /sys/bus/iio/devices.
class IioTree : public ::testing::Test {
 protected:
  IioTree()
      : root_(fs::temp_directory_path() /
              ("iio-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  ~IioTree() override { fs::remove_all(root_); }

  fs::path device(const std::string& dir, const std::map<std::string, std::string>& files) {
    const fs::path path = root_ / dir;
    for (const auto& [name, text] : files) {
      fs::create_directories((path / name).parent_path());
      std::ofstream(path / name) << text;
    }
    return path;
  }

  std::unique_ptr<Source> open(const std::string& address) {
    return make_iio(parse_source_address(address), root_);
  }

  std::string failure_of(const std::string& address) {
    try {
      open(address);
    } catch (const platform::Failure& f) {
      return f.what();
    }
    return "(no failure)";
  }

  fs::path root_;
};

TEST(IioAttributes, Parsers) {
  EXPECT_EQ(parse_iio_integer("1234\n"), 1234);
  EXPECT_EQ(parse_iio_integer("-5\n"), -5);
  EXPECT_EQ(parse_iio_integer("abc"), std::nullopt);
  EXPECT_EQ(parse_iio_integer(""), std::nullopt);
  EXPECT_EQ(parse_iio_integer("12 34"), std::nullopt);
  EXPECT_EQ(parse_iio_decimal("0.805664062\n"), 0.805664062);
  EXPECT_EQ(parse_iio_decimal("-12.5"), -12.5);
  EXPECT_EQ(parse_iio_decimal("0,805664062"), std::nullopt);
  EXPECT_EQ(parse_iio_decimal("inf"), std::nullopt);
  const std::pair<const char*, std::optional<std::pair<int, bool>>> types[] = {
      {"le:u12/16>>4\n", std::pair{12, false}},
      {"be:s16/16>>0", std::pair{16, true}},
      {"le:s24/32", std::pair{24, true}},
      {"le:u10/16X2>>6", std::pair{10, false}},
      {"le:u17/16>>0", std::nullopt},
      {"xx:u12/16>>4", std::nullopt},
      {"le:q12/16>>4", std::nullopt},
      {"le:u12/16>>", std::nullopt},
      {"le:u12", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, expected] : types) {
    const auto type = parse_iio_type(text);
    ASSERT_EQ(type.has_value(), expected.has_value()) << text;
    if (type) {
      EXPECT_EQ(std::pair(type->bits, type->is_signed), *expected) << text;
    }
  }
}

TEST_F(IioTree, ReadingsFromTheAttributes) {
  struct Case {
    const char* what;
    std::map<std::string, std::string> files;
    std::string options;
    std::int32_t raw;
    double volts;
  };
  const Case cases[] = {
      {"shared scale, type",
       {{"in_voltage0_raw", "1776\n"},
        {"in_voltage_scale", "0.805664062\n"},
        {"scan_elements/in_voltage0_type", "le:u12/16>>4\n"}},
       "",
       111 * 256,
       1776 * 0.805664062 / 1000},
      {"channel scale wins over the shared one",
       {{"in_voltage2_raw", "4095\n"},
        {"in_voltage_scale", "9\n"},
        {"in_voltage2_scale", "1.25\n"},
        {"scan_elements/in_voltage2_type", "le:u12/16>>4\n"}},
       "?channel=2",
       255 * 256,
       4095 * 1.25 / 1000},
      {"offset, bits given",
       {{"in_voltage0_raw", "100\n"},
        {"in_voltage0_scale", "2\n"},
        {"in_voltage0_offset", "-20\n"}},
       "?bits=10",
       25 * 256,
       (100 - 20) * 2.0 / 1000},
      {"signed samples",
       {{"in_voltage0_raw", "-17\n"},
        {"in_voltage_scale", "0.5\n"},
        {"scan_elements/in_voltage0_type", "le:s12/16>>4\n"}},
       "",
       -2 * 256,
       -17 * 0.5 / 1000},
      {"type wins over bits",
       {{"in_voltage0_raw", "255\n"},
        {"in_voltage_scale", "1\n"},
        {"scan_elements/in_voltage0_type", "le:u8/16>>0\n"}},
       "?bits=12",
       255 * 256,
       0.255},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string dir = "iio:device" + std::to_string(n++);
    device(dir, c.files);
    auto source = open("iio:" + (root_ / dir).string() + c.options);
    EXPECT_EQ(source->raw_reading(), Variant(c.raw)) << c.what;
    EXPECT_EQ(source->measured_voltage(), Variant(c.volts)) << c.what;
  }
}

TEST_F(IioTree, DevicesFoundByNameOrDirectory) {
  device("iio:device0",
         {{"name", "ads1015\n"}, {"in_voltage0_raw", "1\n"}, {"in_voltage_scale", "1\n"}});
  device("iio:device1",
         {{"name", "mcp3008\n"}, {"in_voltage0_raw", "2\n"}, {"in_voltage_scale", "1\n"}});
  EXPECT_EQ(open("iio:mcp3008?bits=10")->measured_voltage(), Variant(0.002));
  EXPECT_EQ(open("iio:ads1015?bits=12")->measured_voltage(), Variant(0.001));
  EXPECT_EQ(open("iio:iio:device1?bits=10")->measured_voltage(), Variant(0.002));
}

TEST_F(IioTree, EveryReadIsFresh) {
  const fs::path dir =
      device("iio:device0", {{"in_voltage0_raw", "10\n"}, {"in_voltage_scale", "1\n"}});
  auto source = open("iio:" + dir.string() + "?bits=8");
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{10 * 256}));
  std::ofstream(dir / "in_voltage0_raw") << "20\n";
  EXPECT_EQ(source->raw_reading(), Variant(std::int32_t{20 * 256}));
  std::ofstream(dir / "in_voltage0_raw") << "garbage\n";
  EXPECT_THROW(source->measured_voltage(), platform::Failure);
  fs::remove(dir / "in_voltage0_raw");  // the converter goes away
  try {
    source->raw_reading();
    FAIL();
  } catch (const platform::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("in_voltage0_raw"), std::string::npos) << f.what();
  }
}

TEST_F(IioTree, WhatIsMissingIsNamed) {
  device("iio:device0",
         {{"name", "ads1015\n"}, {"in_voltage0_raw", "1\n"}, {"in_voltage_scale", "1\n"}});
  device("noscale", {{"in_voltage0_raw", "1\n"}});
  device("badscale", {{"in_voltage0_raw", "1\n"}, {"in_voltage_scale", "0,5\n"}});
  device("badraw", {{"in_voltage0_raw", "x\n"}, {"in_voltage_scale", "1\n"}});
  device("badtype", {{"in_voltage0_raw", "1\n"},
                     {"in_voltage_scale", "1\n"},
                     {"scan_elements/in_voltage0_type", "u12\n"}});
  const std::pair<std::string, const char*> cases[] = {
      {"iio:" + (root_ / "absent").string() + "?bits=8", "n'existe pas"},
      {"iio:nothing-by-that-name?bits=8", "« nothing-by-that-name »"},
      {"iio:ads1015?channel=3&bits=8", "in_voltage3_raw"},
      {"iio:ads1015", "bits="},
      {"iio:" + (root_ / "noscale").string() + "?bits=8", "in_voltage_scale"},
      {"iio:" + (root_ / "badscale").string() + "?bits=8", "« 0,5 »"},
      {"iio:" + (root_ / "badraw").string() + "?bits=8", "« x »"},
      {"iio:" + (root_ / "badtype").string(), "in_voltage0_type"},
      {"iio:ads1015?bits=32", "« bits »"},
      {"iio:ads1015?chanel=1", "« chanel »"},
      {"iio:", "périphérique IIO manque"},
  };
  for (const auto& [address, part] : cases) {
    const std::string message = failure_of(address);
    EXPECT_NE(message.find(part), std::string::npos) << address << ": " << message;
  }
}

}  // namespace
}  // namespace acquisition
