#include "window/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

#include "acquisition/environment.h"
#include "acquisition/orphy.h"
#include "acquisition/scripted_source.h"
#include "platform/uncaught.h"
#include "window/failure_report.h"
#include "window/program.h"

using acquisition::Script;
using platform::Variant;

namespace {

// Form1 on a scripted source.
struct Bench {
  Bench() {
    script->set_raw(Variant(std::int32_t{28416}));
    script->set_voltage(Variant(2.16796875));
    acquisition::register_orphy(registry, acquisition::scripted(script));
    form = std::make_unique<window::Form1>(registry);
  }
  template <typename T = QWidget>
  T* child(const char* name) {
    return form->findChild<T*>(name);
  }
  QString text(const char* name) { return child<QLineEdit>(name)->text(); }

  std::shared_ptr<Script> script = std::make_shared<Script>();
  platform::ClassRegistry registry;
  std::unique_ptr<window::Form1> form;
};

// Runs the application's event loop until something ends it, doing `during`
// once it runs; returns the exit status, or 42 when nothing ended it within
// `patience` ms.
int run_loop(const std::function<void()>& during, int patience = 10000) {
  QTimer start;
  start.setSingleShot(true);
  QObject::connect(&start, &QTimer::timeout, during);
  start.start(0);
  // A local timer, so that it cannot fire in a later test's loop.
  QTimer give_up;
  give_up.setSingleShot(true);
  QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(42); });
  give_up.start(patience);
  return QCoreApplication::exec();
}

// Closes the next modal message box once it shows, keeping its title and text.
void close_message_box(QString* title, QString* text) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, title, text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *title = box->windowTitle();
      *text = box->text();
      box->accept();
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(20);
}

QString pixel_hex(const QImage& image, int x, int y) {
  return QColor(image.pixel(x, y)).name(QColor::HexRgb).toUpper();
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    window::install_font_substitutes();
    platform::set_uncaught_handler(window::report_failure);
  }

  void window_frame() {
    Bench bench;
    QCOMPARE(bench.form->windowTitle(), QString("Pied à coulisse numérique"));
    QCOMPARE(bench.form->size(), QSize(664, 412));
    QCOMPARE(bench.form->minimumSize(), bench.form->maximumSize());
    QCOMPARE(bench.form->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0x80));
    QVERIFY(bench.form->autoFillBackground());
  }

  void controls_data() {
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");  // empty: the system's own
    QTest::addColumn<int>("pixel_size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("alignment");

    const int left = Qt::AlignLeft;
    const int centre = Qt::AlignHCenter;
    const QString sans = "Liberation Sans";
    const QString serif = "Liberation Serif";
    // Pixels at 96 dpi, from the twips of the window's design.
    QTest::newRow("Label1") << QRect(16, 32, 305, 25) << "Conversion Analogique Numérique"
                            << "#FFC080" << 16 << true << sans << left;
    QTest::newRow("Label2") << QRect(72, 56, 169, 17) << "Entrée Analogique EA0 d'ORPHY"
                            << "#FFC080" << 11 << false << sans << left;
    QTest::newRow("Text7") << QRect(24, 88, 153, 33) << ""
                           << "#FFFFC0" << 24 << true << sans << centre;
    QTest::newRow("Label9") << QRect(208, 96, 73, 17) << "Binaire"
                            << "#FFC080" << 11 << false << sans << left;
    QTest::newRow("Text4") << QRect(24, 136, 57, 33) << ""
                           << "#FFFFC0" << 24 << true << sans << centre;
    QTest::newRow("label4") << QRect(112, 144, 97, 17) << "Hexadécimal"
                            << "#FFC080" << 11 << false << sans << left;
    QTest::newRow("Text2") << QRect(24, 184, 57, 37) << ""
                           << "#FFFFC0" << 24 << true << sans << centre;
    QTest::newRow("Label5") << QRect(112, 200, 97, 17) << "Décimal"
                            << "#FFC080" << 11 << false << sans << left;
    QTest::newRow("Label6") << QRect(24, 240, 97, 17) << "Tension calculée :"
                            << "#FFC080" << 11 << false << sans << left;
    QTest::newRow("Text3") << QRect(24, 272, 81, 37) << ""
                           << "#C0C0FF" << 24 << true << sans << centre;
    QTest::newRow("Command1") << QRect(24, 352, 73, 41) << "Quitter"
                              << "#FFFFFF" << 11 << false << sans << centre;
    QTest::newRow("Label7") << QRect(352, 192, 257, 17) << "Paramètres du potentiomètre"
                            << "#FFC080" << 13 << true << sans << centre;
    QTest::newRow("Text1") << QRect(384, 216, 49, 25) << "2"
                           << "" << 11 << false << sans << left;
    QTest::newRow("Text5") << QRect(528, 216, 49, 25) << "0"
                           << "" << 11 << false << sans << left;
    QTest::newRow("Label8") << QRect(432, 248, 97, 17) << "Longueur calculée :"
                            << "#FFC080" << 11 << false << sans << left;
    QTest::newRow("Check1") << QRect(344, 272, 81, 17) << "Calcul"
                            << "#FFC080" << 11 << true << sans << left;
    QTest::newRow("Text6") << QRect(440, 272, 121, 37) << ""
                           << "#C0C0FF" << 24 << true << sans << centre;
    QTest::newRow("Label3") << QRect(576, 392, 81, 17) << ""
                            << "#FFC080" << 11 << false << serif << left;
  }

  void controls() {
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(int, pixel_size);
    QFETCH(bool, bold);
    QFETCH(QString, family);
    QFETCH(int, alignment);

    Bench bench;
    bench.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.form.get()));
    QWidget* widget = bench.child(QTest::currentDataTag());
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
    QCOMPARE(widget->font().pixelSize(), pixel_size);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(QFontInfo(widget->font()).family(), family);

    QString shown;
    int aligned = 0;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      shown = label->text();
      aligned = label->alignment() & Qt::AlignHorizontal_Mask;
      QVERIFY(label->autoFillBackground());
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      shown = edit->text();
      aligned = edit->alignment() & Qt::AlignHorizontal_Mask;
      QVERIFY(edit->hasFrame());
      QVERIFY(!edit->isReadOnly());
      QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      shown = button->text();
      aligned = qobject_cast<QCheckBox*>(widget) ? int(Qt::AlignLeft) : int(Qt::AlignHCenter);
    }
    if (!text.isEmpty()) QCOMPARE(shown, text);
    QCOMPARE(aligned, alignment);

    // The colour a user sees: a pixel of the window near the control's
    // bottom-right corner, clear of its text and frame.
    if (!background.isEmpty() && !qobject_cast<QPushButton*>(widget)) {
      const QImage image = bench.form->grab().toImage();
      QCOMPARE(pixel_hex(image, rect.right() - 3, rect.bottom() - 3), background);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      QCOMPARE(button->palette().color(QPalette::Button).name().toUpper(), background);
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
    }
  }

  void credit_line() {
    Bench bench;
    const QString credit = bench.child<QLabel>("Label3")->text();
    QVERIFY(credit.contains("2026"));
  }

  void captions_fit_on_one_line() {
    Bench bench;
    for (QLabel* label : bench.form->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;  // the picture
      const int advance = QFontMetrics(label->font()).horizontalAdvance(label->text());
      QVERIFY2(advance <= label->width(), qPrintable(label->objectName()));
    }
    auto* check = bench.child<QCheckBox>("Check1");
    QStyleOptionButton option;
    option.initFrom(check);
    const int indicator =
        check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).left();
    QVERIFY(QFontMetrics(check->font()).horizontalAdvance(check->text()) + indicator <=
            check->width());
    auto* quit = bench.child<QPushButton>("Command1");
    QVERIFY(QFontMetrics(quit->font()).horizontalAdvance(quit->text()) < quit->width() - 8);
  }

  void picture() {
    Bench bench;
    auto* picture = bench.child<QLabel>("Image1");
    QVERIFY(picture);
    const QPixmap pixmap = picture->pixmap();
    QCOMPARE(pixmap.size(), QSize(284, 164));
    QCOMPARE(picture->geometry(), QRect(344, 24, 284, 164));
  }

  void lines_frame_the_left_panel_above_label1() {
    Bench bench;
    bench.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.form.get()));
    const std::pair<const char*, QRect> lines[] = {
        {"Line1", QRect(8, 24, 1, 297)},
        {"Line2", QRect(8, 24, 289, 1)},
        {"Line3", QRect(296, 24, 1, 297)},
        {"Line4", QRect(8, 320, 289, 1)},
    };
    const QImage image = bench.form->grab().toImage();
    const QString ink = bench.form->palette().color(QPalette::WindowText).name().toUpper();
    for (const auto& [name, rect] : lines) {
      QWidget* line = bench.child(name);
      QVERIFY2(line, name);
      QCOMPARE(line->geometry(), rect);
      QCOMPARE(pixel_hex(image, rect.center().x(), rect.center().y()), ink);
    }
    // Line3 crosses Label1's box, which is opaque, and stays visible.
    QVERIFY(bench.child("Label1")->geometry().contains(296, 40));
    QCOMPARE(pixel_hex(image, 296, 40), ink);
    QCOMPARE(pixel_hex(image, 300, 40), QString("#FFC080"));
  }

  void accessible_names() {
    Bench bench;
    const std::pair<const char*, const char*> names[] = {
        {"Text7", "Binaire"},           {"Text4", "Hexadécimal"},  {"Text2", "Décimal"},
        {"Text3", "Tension calculée"},  {"Text1", "Pente (cm/V)"}, {"Text5", "Décalage (cm)"},
        {"Text6", "Longueur calculée"}, {"Check1", "Calcul"},      {"Command1", "Quitter"},
    };
    for (const auto& [name, spoken] : names) {
      QCOMPARE(bench.child(name)->accessibleName(), QString(spoken));
    }
  }

  void tab_order_starts_on_quitter() {
    Bench bench;
    bench.form->show();
    QApplication::setActiveWindow(bench.form.get());
    QVERIFY(QTest::qWaitForWindowActive(bench.form.get()));
    QCOMPARE(QApplication::focusWidget(), bench.child("Command1"));
    QStringList order;
    for (int i = 0; i < 10; ++i) {
      order << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"Command1", "Text2", "Text3", "Text4", "Text1", "Text5", "Text6",
                                 "Check1", "Text7", "Command1"}));
  }

  void initial_state_before_the_first_tick() {
    Bench bench;
    for (const char* name : {"Text7", "Text4", "Text2", "Text3", "Text6"}) {
      QCOMPARE(bench.text(name), QString());
    }
    QCOMPARE(bench.text("Text1"), QString("2"));
    QCOMPARE(bench.text("Text5"), QString("0"));
    QCOMPARE(bench.child<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QVERIFY(bench.form->Timer1().isActive());
    QCOMPARE(bench.form->Timer1().interval(), 100);
    QCOMPARE(bench.form->Timer1().timerType(), Qt::PreciseTimer);
    QVERIFY(bench.script->log().empty());
  }

  void keys_on_quitter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("status");  // 42: the program went on
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 0;
    QTest::newRow("Space") << int(Qt::Key_Space) << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 42;
  }

  void keys_on_quitter() {
    QFETCH(int, key);
    QFETCH(int, status);
    Bench bench;
    bench.form->show();
    QApplication::setActiveWindow(bench.form.get());
    QVERIFY(QTest::qWaitForWindowActive(bench.form.get()));
    const int ended =
        run_loop([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }, 300);
    QCOMPARE(ended, status);
    QCOMPARE(bench.form->isVisible(), status == 42);
    QCOMPARE(bench.form->Timer1().isActive(), status == 42);
  }

  void closing_the_window_ends_with_status_zero() {
    Bench bench;
    bench.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.form.get()));
    // As the title bar's close button does: through the window system.
    QCOMPARE(run_loop([&] { bench.form->windowHandle()->close(); }, 500), 0);
  }

  void ticks_fill_the_displays_from_the_widgets() {
    Bench bench;
    bench.form->show();
    QTRY_COMPARE(bench.text("Text2"), QString("111"));
    QCOMPARE(bench.text("Text7"), QString("01101111"));
    QCOMPARE(bench.text("Text4"), QString("6F"));
    const QString comma = QLocale().decimalPoint();
    QCOMPARE(bench.text("Text3"), "2" + comma + "16 V");
    QCOMPARE(bench.text("Text6"), QString());

    auto* check = bench.child<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QCOMPARE(check->checkState(), Qt::Checked);
    QTRY_COMPARE(bench.text("Text6"), "4" + comma + "3 cm");

    bench.child<QLineEdit>("Text5")->setText("-5");
    QTRY_COMPARE(bench.text("Text6"), "-0" + comma + "7 cm");

    check->setCheckState(Qt::PartiallyChecked);
    QTRY_COMPARE(bench.text("Text6"), QString());
  }

  void text_typed_into_a_display_is_replaced() {
    Bench bench;
    bench.form->show();
    QTRY_COMPARE(bench.text("Text2"), QString("111"));
    QTest::keyClicks(bench.child("Text2"), "999");
    QCOMPARE(bench.text("Text2"), QString("111999"));
    QTRY_COMPARE(bench.text("Text2"), QString("111"));
  }

  void a_failing_tick_ends_with_status_one() {
    Bench bench;
    // First tick whole; on the second, both raw reads pass, then the voltage fails.
    bench.script->set_raw(Variant());
    bench.script->set_voltage(Variant());
    bench.script->queue_raw(Variant(std::int32_t{28416}));
    bench.script->queue_raw(Variant(std::int32_t{28416}));
    bench.script->queue_raw(Variant(std::int32_t{32768}));
    bench.script->queue_raw(Variant(std::int32_t{32768}));
    bench.script->queue_voltage(Variant(2.5));
    bench.script->queue_voltage(Variant(2.5));
    bench.script->queue_voltage(Script::Fail{"Lecture de la tension impossible."});
    bench.form->show();
    QString title;
    QString message;
    close_message_box(&title, &message);
    QCOMPARE(run_loop([] {}), 1);
    QCOMPARE(title, QString("Pied à coulisse numérique"));
    QCOMPARE(message, QString("Lecture de la tension impossible."));
    QVERIFY(!bench.form->Timer1().isActive());
    QCOMPARE(bench.text("Text7"), QString("10000000"));  // written before the failure
    QCOMPARE(bench.text("Text2"), QString("128"));
    QCOMPARE(bench.text("Text4"), QString("6F"));  // from the first tick
    QCOMPARE(bench.script->log().size(), 7u);      // no read after the failure
  }

  void source_from_the_environment_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown");  // Text3 on success, a part of the message otherwise
    QTest::newRow("fixed") << QByteArray("simulation?volts=0.7&raw=28416") << 0 << "0.69 V";
    QTest::newRow("volts") << QByteArray("simulation?volts=5") << 0 << "5 V";
    QTest::newRow("unknown") << QByteArray("simulaton") << 1 << "« simulaton »";
    QTest::newRow("bad number") << QByteArray("simulation?volts=2,5") << 1 << "« 2,5 »";
    QTest::newRow("bad option") << QByteArray("simulation?volt=2") << 1 << "« volt »";
  }

  void source_from_the_environment() {
    QFETCH(QByteArray, source);
    QFETCH(int, status);
    QFETCH(QString, shown);
    qputenv("ORPHY_SOURCE", source);
    QString title;
    QString message;
    QString text3;
    if (status == 0) {
      auto* poll = new QTimer;
      QObject::connect(poll, &QTimer::timeout, [poll, &text3] {
        auto* form = qobject_cast<window::Form1*>(QApplication::activeWindow());
        if (!form) {
          for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "Form1") form = static_cast<window::Form1*>(w);
          }
        }
        if (!form) return;
        text3 = form->findChild<QLineEdit*>("Text3")->text();
        if (text3.isEmpty()) return;
        poll->stop();
        poll->deleteLater();
        form->findChild<QPushButton*>("Command1")->click();
      });
      poll->start(20);
    } else {
      close_message_box(&title, &message);
    }
    QCOMPARE(window::run_program(acquisition::sources_from_environment()), status);
    qunsetenv("ORPHY_SOURCE");
    if (status == 0) {
      QCOMPARE(text3.replace(QLocale().decimalPoint(), "."), shown);
    } else {
      QCOMPARE(title, QString("Pied à coulisse numérique"));
      QVERIFY2(message.contains(shown), qPrintable(message));
      QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
              std::none_of(
                  QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                  [](QWidget* w) { return w->objectName() == "Form1" && w->isVisible(); }));
    }
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
