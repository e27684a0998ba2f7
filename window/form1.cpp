#include "window/form1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtGlobal>
#include <exception>
#include <limits>
#include <map>

#include "acquisition/orphy.h"
#include "acquisition/stored_settings.h"
#include "platform/uncaught.h"
#include "window/control_table.h"
#include "window/tick_probe.h"
#include "window/widget_fields.h"

namespace window {

namespace {

// Qt's push button ignores Enter outside a dialog; the window's one button
// takes it, as Space, while it holds the focus.
class QuitButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

// A solid line one pixel wide in the window-text colour.
class Line : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
  }
};

// The screen-reader names of the fields and the button.
const std::map<QString, QString> kAccessibleNames = {
    {"Text7", "Binaire"},           {"Text4", "Hexadécimal"},  {"Text2", "Décimal"},
    {"Text3", "Tension calculée"},  {"Text1", "Pente (cm/V)"}, {"Text5", "Décalage (cm)"},
    {"Text6", "Longueur calculée"}, {"Check1", "Calcul"},      {"Command1", "Quitter"},
};

void paint_background(QWidget* widget, QPalette::ColorRole role, QRgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, QColor::fromRgb(colour));
  widget->setPalette(palette);
}

// Labels, the check box and the button draw their text in the button-text colour.
void use_button_text(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
  widget->setPalette(palette);
}

QWidget* make_control(const ControlSpec& row, QWidget* parent) {
  const QString text = QString::fromUtf8(row.text);
  QWidget* widget = nullptr;
  switch (row.kind) {
    case Kind::Label: {
      auto* label = new QLabel(text, parent);
      label->setWordWrap(true);
      label->setAlignment(row.alignment | Qt::AlignTop);
      label->setAutoFillBackground(true);
      use_button_text(label);
      widget = label;
      break;
    }
    case Kind::TextField: {
      auto* edit = new QLineEdit(text, parent);
      edit->setMaxLength(std::numeric_limits<int>::max());
      edit->setAlignment(row.alignment | Qt::AlignVCenter);
      widget = edit;
      break;
    }
    case Kind::CheckBox: {
      auto* box = new QCheckBox(text, parent);
      // Buttons fill with the Button role by default; the box shares the window's.
      box->setBackgroundRole(QPalette::Window);
      box->setAutoFillBackground(true);
      use_button_text(box);
      widget = box;
      break;
    }
    case Kind::PushButton: {
      auto* button = new QuitButton(text, parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      widget = button;
      break;
    }
    case Kind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(QPixmap(":/resources/montage.jpg"));
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = picture;
      break;
    }
  }
  widget->setObjectName(row.name);
  widget->setGeometry(pixel_rect(row));
  widget->setFont(font_of(row.font));
  widget->setFocusPolicy(row.kind == Kind::Label || row.kind == Kind::Picture ? Qt::NoFocus
                                                                              : Qt::StrongFocus);
  if (row.background) {
    const auto role = row.kind == Kind::TextField    ? QPalette::Base
                      : row.kind == Kind::PushButton ? QPalette::Button
                                                     : QPalette::Window;
    paint_background(widget, role, *row.background);
  }
  if (const auto name = kAccessibleNames.find(row.name); name != kAccessibleNames.end()) {
    widget->setAccessibleName(name->second);
  }
  return widget;
}

}  // namespace

Form1::Form1(const platform::ClassRegistry& registry, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kCaption));
  setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
  setAutoFillBackground(true);
  paint_background(this, QPalette::Window, kFormBackground);
  setFont(font_of(kDefaultFont));

  orphy1_ = registry.create(acquisition::Orphy::class_name, acquisition::orphy1_settings());
  build_controls();
  measurement_ = std::make_unique<measure::Measurement>(*fields_, *orphy1_);

  timer1_.setObjectName("Timer1");
  timer1_.setTimerType(Qt::PreciseTimer);
  timer1_.setInterval(100);
  connect(&timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
  TickProbe::attach_if_asked(timer1_);
  timer1_.start();
}

Form1::~Form1() = default;

measure::Fields& Form1::fields() {
  return *fields_;
}

void Form1::build_controls() {
  std::map<int, QWidget*> tab_order;
  for (const ControlSpec& row : control_table()) {
    QWidget* widget = make_control(row, this);
    if (row.tab_index >= 0 && widget->focusPolicy() != Qt::NoFocus) {
      tab_order[row.tab_index] = widget;
    }
  }
  // Lines come last so that they are drawn above Label1, which they cross.
  for (const LineSpec& row : line_table()) {
    auto* line = new Line(this);
    line->setObjectName(row.name);
    line->setGeometry(pixel_rect(row));
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  QWidget* previous = nullptr;
  for (const auto& [index, widget] : tab_order) {
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
  tab_order.begin()->second->setFocus();

  auto* command1 = findChild<QPushButton*>("Command1");
  connect(command1, &QPushButton::clicked, this, &Form1::Command1_Click);

  std::array<QLineEdit*, 7> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = findChild<QLineEdit*>(QString("Text%1").arg(i + 1));
  }
  fields_ = std::make_unique<WidgetFields>(texts, findChild<QCheckBox*>("Check1"));
}

void Form1::Timer1_Timer() {
  try {
    measurement_->tick();
  } catch (...) {
    // No tick may run while the failure is being reported.
    timer1_.stop();
    platform::handle_uncaught(std::current_exception());
  }
}

void Form1::Command1_Click() {
  timer1_.stop();
  QCoreApplication::exit(0);
  close();
}

}  // namespace window
