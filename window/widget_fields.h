#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <array>

#include "measure/fields.h"

namespace window {

// The measurement's view of Form1, read from and written to the widgets.
class WidgetFields : public measure::Fields {
 public:
  WidgetFields(std::array<QLineEdit*, 7> texts, QCheckBox* check1);

  std::string text(measure::Field field) const override;
  void set_text(measure::Field field, const std::string& text) override;
  int check_state() const override;
  std::string decimal_separator() const override;

 private:
  std::array<QLineEdit*, 7> texts_;  // Text1 to Text7
  QCheckBox* check1_;
  std::string separator_;
};

}  // namespace window
