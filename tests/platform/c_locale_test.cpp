#include <gtest/gtest.h>

#include <clocale>

#include "platform/number_form.h"
#include "platform/number_read.h"
#include "platform/variant.h"

namespace platform {
namespace {

// The window's toolkit sets the C library's locale from the environment; the
// program's number texts must not change with it.
TEST(CLocale, NumberTextIgnoresIt) {
  if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) GTEST_SKIP() << "fr_FR.UTF-8 absent";
  EXPECT_EQ(leading_number("0.805664062"), 0.805664062);
  EXPECT_EQ(to_double(Variant(std::string("2.5"))), 2.5);
  EXPECT_EQ(general_form(2.16f, "."), "2.16");
  EXPECT_EQ(general_form(1.2e15, "."), "1.2E+15");
  EXPECT_EQ(locale_number("111.5", "."), 111.5);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace platform
