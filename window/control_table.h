#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <optional>
#include <span>

namespace window {

// Layout units: 15 twips make one pixel at 96 dpi, 72 points make 96 pixels.
constexpr int pixels(int twips) {
  return (twips * 2 + 15) / 30;
}
int pixel_size(double points);

enum class Kind { Label, TextField, CheckBox, PushButton, Picture };

struct FontSpec {
  const char* family;
  double points;
  bool bold;
};

inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25, false};

// One control of Form1, positions in twips.
struct ControlSpec {
  const char* name;
  Kind kind;
  int left, top, width, height;
  const char* text;
  std::optional<QRgb> background;  // none: the system's own
  FontSpec font;
  Qt::Alignment alignment;
  int tab_index;  // -1: not in the tab order
};

// One of the lines around the left panel, end points in twips.
struct LineSpec {
  const char* name;
  int x1, y1, x2, y2;
};

inline constexpr const char* kCaption = "Pied à coulisse numérique";
inline constexpr QRgb kFormBackground = 0xFFFFC080;
inline constexpr int kClientWidth = 9960;
inline constexpr int kClientHeight = 6180;

std::span<const ControlSpec> control_table();
std::span<const LineSpec> line_table();

QRect pixel_rect(const ControlSpec& row);
QRect pixel_rect(const LineSpec& row);
QFont font_of(const FontSpec& row);

}  // namespace window
