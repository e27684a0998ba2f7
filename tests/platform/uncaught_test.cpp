#include "platform/uncaught.h"

#include <gtest/gtest.h>

#include <new>

#include "platform/failure.h"

namespace platform {
namespace {

TEST(Uncaught, TheHandlerGetsTheMessage) {
  std::string told;
  set_uncaught_handler([&](const std::string& message) { told = message; });
  EXPECT_TRUE(run_guarded([] {}));
  EXPECT_EQ(told, "");
  EXPECT_FALSE(run_guarded([] { throw Failure("Lecture impossible."); }));
  EXPECT_EQ(told, "Lecture impossible.");
  EXPECT_FALSE(run_guarded([] { throw std::bad_alloc(); }));
  EXPECT_EQ(told, "Mémoire insuffisante.");
  EXPECT_FALSE(run_guarded([] { throw 42; }));
  EXPECT_EQ(told, "Erreur inattendue.");
}

TEST(UncaughtDeathTest, TheDefaultHandlerEndsWithStatusOne) {
  EXPECT_EXIT(
      {
        set_uncaught_handler(nullptr);
        run_guarded([] { throw Failure("Panne."); });
      },
      ::testing::ExitedWithCode(1), "Panne\\.");
}

}  // namespace
}  // namespace platform
