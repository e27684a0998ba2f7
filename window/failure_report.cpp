#include "window/failure_report.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>

#include "window/control_table.h"

namespace window {

void report_failure(const std::string& message) {
  std::fprintf(stderr, "%s : %s\n", kCaption, message.c_str());
  std::fflush(stderr);
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(kCaption),
                        QString::fromStdString(message));
  // Before the event loop runs (the control could not be created) program
  // start returns the status itself; asking the loop to end then would make
  // the next one end at once.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(1);
}

}  // namespace window
