#include "platform/variant.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/failure.h"

namespace platform {
namespace {

TEST(Variant, ConvertsEveryNumberType) {
  const std::pair<Variant, double> cases[] = {
      {Variant(std::uint8_t{200}), 200},     {Variant(std::int16_t{-300}), -300},
      {Variant(std::int32_t{65280}), 65280}, {Variant(2.5f), 2.5},
      {Variant(2.16796875), 2.16796875},     {Variant(std::string(" 2.5 ")), 2.5},
      {Variant(std::string("-1e3")), -1000},
  };
  for (const auto& [value, number] : cases) {
    EXPECT_EQ(to_double(value), number) << type_name(value);
    EXPECT_EQ(to_single(value), static_cast<float>(number)) << type_name(value);
  }
  EXPECT_EQ(to_single(Variant(0.7)), 0.7f);
}

TEST(Variant, WhatIsNoNumberIsAFailure) {
  const Variant cases[] = {
      Variant(),
      Variant(std::string("")),
      Variant(std::string("abc")),
      Variant(std::string("2,5")),
      Variant(std::string("1 0")),
      Variant(std::string("inf")),
      Variant(std::string("nan")),
      Variant(std::string("+-1")),
      Variant(std::string("1e999")),
      Variant(std::numeric_limits<double>::quiet_NaN()),
      Variant(std::numeric_limits<double>::infinity()),
      Variant(-std::numeric_limits<float>::infinity()),
  };
  for (const auto& value : cases) EXPECT_THROW(to_double(value), Failure) << type_name(value);
}

TEST(Variant, SingleRangeIsChecked) {
  EXPECT_THROW(to_single(Variant(1e300)), Failure);
  EXPECT_THROW(to_single(Variant(-1e39)), Failure);
  EXPECT_EQ(to_single(Variant(1e-50)), 0.0f);
}

TEST(Variant, PrecisionFollowsTheType) {
  EXPECT_TRUE(is_single_precision(Variant(std::uint8_t{1})));
  EXPECT_TRUE(is_single_precision(Variant(std::int16_t{1})));
  EXPECT_TRUE(is_single_precision(Variant(1.0f)));
  EXPECT_FALSE(is_single_precision(Variant(std::int32_t{1})));
  EXPECT_FALSE(is_single_precision(Variant(1.0)));
  EXPECT_FALSE(is_single_precision(Variant(std::string("1"))));
}

}  // namespace
}  // namespace platform
