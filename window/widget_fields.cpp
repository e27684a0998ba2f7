#include "window/widget_fields.h"

#include <QLocale>

namespace window {

WidgetFields::WidgetFields(std::array<QLineEdit*, 7> texts, QCheckBox* check1)
    : texts_(texts), check1_(check1), separator_(QLocale().decimalPoint().toStdString()) {}

std::string WidgetFields::text(measure::Field field) const {
  return texts_[static_cast<std::size_t>(field)]->text().toStdString();
}

void WidgetFields::set_text(measure::Field field, const std::string& text) {
  QLineEdit* edit = texts_[static_cast<std::size_t>(field)];
  const QString next = QString::fromStdString(text);
  // Writing the same text again would only reset the cursor of a user editing it.
  if (edit->text() != next) edit->setText(next);
}

int WidgetFields::check_state() const {
  switch (check1_->checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    default:
      return 0;
  }
}

std::string WidgetFields::decimal_separator() const {
  return separator_;
}

}  // namespace window
