#include <QApplication>

#include "acquisition/environment.h"
#include "window/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  return window::run_program(acquisition::sources_from_environment());
}
