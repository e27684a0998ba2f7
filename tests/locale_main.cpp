#include <gtest/gtest.h>

#include <QCoreApplication>
#include <clocale>

// Like the window's toolkit, take the C library's locale from the environment,
// so that a suite run under LC_ALL=fr_FR.UTF-8 shows any number text that
// follows it. The serial port wants an application object, as in the program.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
