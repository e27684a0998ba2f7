#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "measure/tick.h"
#include "platform/control.h"

class QCheckBox;
class QLineEdit;

namespace window {

class WidgetFields;

// The program's only window: the conversion displays, the length law's
// parameters, "Quitter", the timer driving the measurement, and the hosted
// acquisition control orphy1.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  // Creates orphy1 through `registry`; a failure there leaves the constructor.
  explicit Form1(const platform::ClassRegistry& registry, QWidget* parent = nullptr);
  ~Form1() override;

  QTimer& Timer1() { return timer1_; }
  platform::Dispatch& orphy1() { return *orphy1_; }
  measure::Fields& fields();

 private:
  void build_controls();
  void Timer1_Timer();
  void Command1_Click();

  std::unique_ptr<platform::Dispatch> orphy1_;
  std::unique_ptr<WidgetFields> fields_;
  std::unique_ptr<measure::Measurement> measurement_;
  QTimer timer1_;
};

}  // namespace window
