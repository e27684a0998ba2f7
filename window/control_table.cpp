#include "window/control_table.h"

#include <array>
#include <cmath>

namespace window {

namespace {

constexpr QRgb kYellow = 0xFFFFFFC0;    // the three forms of the converter code
constexpr QRgb kLavender = 0xFFC0C0FF;  // the physical results
constexpr QRgb kOrange = kFormBackground;
constexpr QRgb kWhite = 0xFFFFFFFF;

constexpr FontSpec kDisplay{"MS Sans Serif", 18, true};
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

constexpr std::array kControls{
    ControlSpec{"Label1",
                Kind::Label,
                240,
                480,
                4575,
                375,
                "Conversion Analogique Numérique",
                kOrange,
                {"MS Sans Serif", 12, true},
                kLeft,
                5},
    ControlSpec{"Label2", Kind::Label, 1080, 840, 2535, 255, "Entrée Analogique EA0 d'ORPHY",
                kOrange, kDefaultFont, kLeft, 6},
    ControlSpec{"Text7", Kind::TextField, 360, 1320, 2295, 495, "", kYellow, kDisplay, kCentre, 17},
    ControlSpec{"Label9", Kind::Label, 3120, 1440, 1095, 255, "Binaire", kOrange, kDefaultFont,
                kLeft, 18},
    ControlSpec{"Text4", Kind::TextField, 360, 2040, 855, 495, "", kYellow, kDisplay, kCentre, 4},
    ControlSpec{"label4", Kind::Label, 1680, 2160, 1455, 255, "Hexadécimal", kOrange, kDefaultFont,
                kLeft, 8},
    ControlSpec{"Text2", Kind::TextField, 360, 2760, 852, 552, "", kYellow, kDisplay, kCentre, 2},
    ControlSpec{"Label5", Kind::Label, 1680, 3000, 1455, 255, "Décimal", kOrange, kDefaultFont,
                kLeft, 9},
    ControlSpec{"Label6", Kind::Label, 360, 3600, 1455, 255, "Tension calculée :", kOrange,
                kDefaultFont, kLeft, 10},
    ControlSpec{"Text3", Kind::TextField, 360, 4080, 1215, 555, "", kLavender, kDisplay, kCentre,
                3},
    ControlSpec{"Command1", Kind::PushButton, 360, 5280, 1092, 612, "Quitter", kWhite, kDefaultFont,
                kCentre, 1},
    ControlSpec{"Image1", Kind::Picture, 5160, 360, 4260, 2460, "", std::nullopt, kDefaultFont,
                kLeft, -1},
    ControlSpec{"Label7",
                Kind::Label,
                5280,
                2880,
                3855,
                255,
                "Paramètres du potentiomètre",
                kOrange,
                {"MS Sans Serif", 9.75, true},
                kCentre,
                13},
    ControlSpec{"Text1", Kind::TextField, 5760, 3240, 735, 375, "2", std::nullopt, kDefaultFont,
                kLeft, 11},
    ControlSpec{"Text5", Kind::TextField, 7920, 3240, 735, 375, "0", std::nullopt, kDefaultFont,
                kLeft, 12},
    ControlSpec{"Label8", Kind::Label, 6480, 3720, 1455, 255, "Longueur calculée :", kOrange,
                kDefaultFont, kLeft, 14},
    ControlSpec{"Check1",
                Kind::CheckBox,
                5160,
                4080,
                1215,
                255,
                "Calcul",
                kOrange,
                {"MS Sans Serif", 8.25, true},
                kLeft,
                16},
    ControlSpec{"Text6", Kind::TextField, 6600, 4080, 1815, 555, "", kLavender, kDisplay, kCentre,
                15},
    ControlSpec{"Label3",
                Kind::Label,
                8640,
                5880,
                1215,
                255,
                "© 2026 l'équipe",
                kOrange,
                {"MS Serif", 8.25, false},
                kLeft,
                7},
};

constexpr std::array kLines{
    LineSpec{"Line1", 120, 360, 120, 4800},
    LineSpec{"Line2", 120, 360, 4440, 360},
    LineSpec{"Line3", 4440, 360, 4440, 4800},
    LineSpec{"Line4", 120, 4800, 4440, 4800},
};

}  // namespace

int pixel_size(double points) {
  return static_cast<int>(std::lround(points * 4 / 3));
}

std::span<const ControlSpec> control_table() {
  return kControls;
}
std::span<const LineSpec> line_table() {
  return kLines;
}

QRect pixel_rect(const ControlSpec& row) {
  return {pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height)};
}

QRect pixel_rect(const LineSpec& row) {
  // Both end points are drawn.
  return QRect(QPoint(pixels(row.x1), pixels(row.y1)), QPoint(pixels(row.x2), pixels(row.y2)));
}

QFont font_of(const FontSpec& row) {
  QFont font(row.family);
  font.setPixelSize(pixel_size(row.points));
  font.setBold(row.bold);
  return font;
}

}  // namespace window
