// The least Qt Widgets program of the same shape as the caliper's window,
// for comparison only: a fixed window, eight line edits, nine labels, a check
// box, a push button, and a 100 ms timer that updates the edits.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "window/tick_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");

  QWidget window;
  window.setWindowTitle("Plancher");
  window.setFixedSize(664, 412);
  QFont small("MS Sans Serif");
  small.setPixelSize(11);
  QFont large("MS Sans Serif");
  large.setPixelSize(24);
  large.setBold(true);
  window.setFont(small);

  std::array<QLineEdit*, 8> edits{};
  for (std::size_t i = 0; i < edits.size(); ++i) {
    edits[i] = new QLineEdit(&window);
    edits[i]->setGeometry(24 + 320 * static_cast<int>(i / 4), 88 + 48 * static_cast<int>(i % 4),
                          121, 37);
    edits[i]->setFont(large);
  }
  for (int i = 0; i < 9; ++i) {
    auto* label = new QLabel(QString("Étiquette %1").arg(i), &window);
    label->setGeometry(200 + 240 * (i / 5), 96 + 40 * (i % 5), 97, 17);
  }
  auto* check = new QCheckBox("Calcul", &window);
  check->setGeometry(344, 272, 81, 17);
  auto* button = new QPushButton("Quitter", &window);
  button->setGeometry(24, 352, 73, 41);
  QObject::connect(button, &QPushButton::clicked, &app, &QApplication::quit);

  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(100);
  int count = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++count;
    for (QLineEdit* edit : edits) edit->setText(QString::number(count % 256));
  });
  window::TickProbe::attach_if_asked(timer);
  timer.start();
  window.show();
  return QApplication::exec();
}
