#pragma once

#include <map>
#include <string>

#include "measure/fields.h"

namespace measure {

// The window's fields in memory, with their initial texts.
class MemoryFields : public Fields {
 public:
  std::string text(Field field) const override { return texts.at(field); }
  void set_text(Field field, const std::string& text) override { texts[field] = text; }
  int check_state() const override { return check; }
  std::string decimal_separator() const override { return separator; }

  std::map<Field, std::string> texts = {
      {Field::Text1, "2"}, {Field::Text2, ""}, {Field::Text3, ""}, {Field::Text4, ""},
      {Field::Text5, "0"}, {Field::Text6, ""}, {Field::Text7, ""},
  };
  int check = 0;
  std::string separator = ".";
};

}  // namespace measure
