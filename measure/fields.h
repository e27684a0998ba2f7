#pragma once

#include <string>

namespace measure {

// The main window's text fields, by their designer names.
enum class Field { Text1, Text2, Text3, Text4, Text5, Text6, Text7 };

// What the measurement sees of the window: whole texts of the fields, the
// state of the "Calcul" check box, and the locale's decimal separator.
class Fields {
 public:
  virtual ~Fields() = default;
  virtual std::string text(Field field) const = 0;
  virtual void set_text(Field field, const std::string& text) = 0;
  // Check1: 0 unticked, 1 ticked, 2 greyed.
  virtual int check_state() const = 0;
  virtual std::string decimal_separator() const = 0;
};

}  // namespace measure
