#include "window/failure_report.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "window/control_table.h"

namespace window {

void report_failure(const std::string& message) {
  std::fprintf(stderr, "%s : %s\n", kCaption, message.c_str());
  std::fflush(stderr);
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(kCaption),
                        QString::fromStdString(message));
  QCoreApplication::exit(1);
}

}  // namespace window
