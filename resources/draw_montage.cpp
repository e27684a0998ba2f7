// Draws the picture of the measuring set-up shown in the window: the slide
// over its 0-10 cm scale, the linear potentiometer under it, and the input
// terminals wired to its ends and wiper.
//
//   QT_QPA_PLATFORM=offscreen build/resources/draw-montage resources/montage.jpg

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kWidth = 284;
constexpr int kHeight = 164;

// Scale geometry: 0 cm at x0, 10 cm at x1.
constexpr double x0 = 26;
constexpr double x1 = 240;
constexpr double cm = (x1 - x0) / 10;

void draw_scale(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF4, 0xE7, 0xC8));
  p.drawRoundedRect(QRectF(14, 14, 256, 34), 3, 3);
  p.setPen(QPen(QColor(0x3A, 0x2E, 0x1E), 1));
  QFont font("Liberation Sans");
  font.setPixelSize(9);
  p.setFont(font);
  for (int mm = 0; mm <= 100; ++mm) {
    const double x = x0 + mm * cm / 10;
    const double length = mm % 10 == 0 ? 12 : mm % 5 == 0 ? 8 : 5;
    p.drawLine(QPointF(x, 48), QPointF(x, 48 - length));
    if (mm % 10 == 0) {
      p.drawText(QRectF(x - 10, 16, 20, 12), Qt::AlignCenter, QString::number(mm / 10));
    }
  }
  p.drawText(QRectF(248, 16, 20, 12), Qt::AlignCenter, "cm");
}

void draw_potentiometer(QPainter& p, double slide_x) {
  // Body with its resistive track.
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  p.setBrush(QColor(0x4A, 0x55, 0x60));
  p.drawRoundedRect(QRectF(14, 70, 256, 22), 4, 4);
  p.setBrush(QColor(0x8C, 0x5A, 0x2B));
  p.drawRect(QRectF(x0, 78, x1 - x0, 6));
  // The slide: a cursor on the track and a pointer up to the scale.
  p.setBrush(QColor(0xC8, 0x32, 0x28));
  p.drawRect(QRectF(slide_x - 9, 62, 18, 38));
  QPainterPath pointer;
  pointer.moveTo(slide_x - 5, 62);
  pointer.lineTo(slide_x + 5, 62);
  pointer.lineTo(slide_x, 50);
  pointer.closeSubpath();
  p.drawPath(pointer);
}

void draw_terminal(QPainter& p, double x, QColor colour, const QString& name) {
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
  p.setBrush(colour);
  p.drawEllipse(QPointF(x, 136), 7, 7);
  p.setBrush(QColor(0xD0, 0xD0, 0xD0));
  p.drawEllipse(QPointF(x, 136), 2.5, 2.5);
  QFont font("Liberation Sans");
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(x - 24, 146, 48, 12), Qt::AlignCenter, name);
}

void draw_wiring(QPainter& p, double slide_x) {
  const QPen wire(QColor(0x20, 0x20, 0x20), 1.5);
  p.setPen(wire);
  p.setBrush(Qt::NoBrush);
  // The two ends of the track to 5 V and ground, the wiper to EA0.
  p.drawPolyline(
      QPolygonF({QPointF(x0, 92), QPointF(x0, 112), QPointF(60, 112), QPointF(60, 129)}));
  p.drawPolyline(
      QPolygonF({QPointF(x1, 92), QPointF(x1, 112), QPointF(224, 112), QPointF(224, 129)}));
  p.setPen(QPen(QColor(0xC8, 0x32, 0x28), 1.5));
  p.drawPolyline(QPolygonF(
      {QPointF(slide_x, 100), QPointF(slide_x, 106), QPointF(142, 106), QPointF(142, 129)}));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
    return 2;
  }
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(QColor(0xFA, 0xF7, 0xF0));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double slide_x = x0 + 4.3 * cm;  // where the stored 2.16 V puts it
  draw_scale(p);
  draw_wiring(p, slide_x);
  draw_potentiometer(p, slide_x);
  draw_terminal(p, 60, QColor(0x20, 0x20, 0x20), "masse");
  draw_terminal(p, 142, QColor(0xE0, 0xC0, 0x20), "EA0");
  draw_terminal(p, 224, QColor(0xC8, 0x32, 0x28), "+5 V");
  p.end();
  return image.save(argv[1], "JPEG", 85) ? 0 : 1;
}
