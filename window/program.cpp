#include "window/program.h"

#include <QApplication>
#include <QFont>
#include <memory>

#include "acquisition/orphy.h"
#include "platform/uncaught.h"
#include "window/failure_report.h"
#include "window/form1.h"

namespace window {

void install_font_substitutes() {
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("MS Serif", "Liberation Serif");
}

int run_program(acquisition::SourceFactory sources) {
  install_font_substitutes();
  platform::set_uncaught_handler(report_failure);

  platform::ClassRegistry registry;
  acquisition::register_orphy(registry, std::move(sources));

  std::unique_ptr<Form1> form;
  // If orphy1 cannot be created, the window is never shown.
  if (!platform::run_guarded([&] { form = std::make_unique<Form1>(registry); })) return 1;
  form->show();
  return QApplication::exec();
}

}  // namespace window
