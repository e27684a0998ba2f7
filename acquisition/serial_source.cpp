#include "acquisition/serial_source.h"

#include "platform/failure.h"

namespace acquisition {

namespace {

std::string open_failure(const std::string& path, QSerialPort::SerialPortError error,
                         const QString& detail) {
  switch (error) {
    case QSerialPort::PermissionError:
      return "Accès refusé au port série " + path +
             " : il est peut-être utilisé par un autre programme, ou l'utilisateur n'est pas "
             "dans le groupe dialout (sudo adduser $USER dialout, puis se reconnecter).";
    case QSerialPort::DeviceNotFoundError:
      return "Le port série " + path + " n'existe pas : la carte est-elle branchée ?";
    default:
      return "Impossible d'ouvrir le port série " + path + " : " + detail.toStdString() + ".";
  }
}

}  // namespace

SerialSource::SerialSource(Settings settings, Simulation::Clock clock)
    : settings_(std::move(settings)), clock_(std::move(clock)), lines_(settings_.bits, true) {
  port_.setPortName(QString::fromStdString(settings_.path));
  port_.setBaudRate(settings_.baud);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  // Bounds what piles up between two reads; a board at any usual rate sends
  // far less in 100 ms.
  port_.setReadBufferSize(1 << 20);
  if (!port_.open(QIODevice::ReadOnly)) {
    throw platform::Failure(open_failure(settings_.path, port_.error(), port_.errorString()));
  }

  // Opening resets most boards: up to a few seconds of silence, then a first
  // line that may be cut. Wait for a whole, valid one.
  const double start = clock_();
  bool got = false;
  while (!got) {
    const double left = settings_.first_wait_seconds - (clock_() - start);
    if (left <= 0) break;
    port_.waitForReadyRead(static_cast<int>(std::min(left, 0.1) * 1000) + 1);
    if (port_.error() == QSerialPort::ResourceError || !port_.isOpen()) {
      throw platform::Failure("Le port série " + settings_.path +
                              " s'est fermé avant la première mesure : la carte a-t-elle été "
                              "débranchée ?");
    }
    port_.clearError();
    const QByteArray bytes = port_.readAll();
    if (const auto count = lines_.feed(std::string_view(bytes.constData(), bytes.size()))) {
      count_ = *count;
      got = true;
    }
  }
  if (!got) {
    throw platform::Failure("Aucune mesure reçue de la carte sur " + settings_.path + " en " +
                            std::to_string(static_cast<int>(settings_.first_wait_seconds)) +
                            " s : vérifiez le programme de la carte (une valeur par ligne, " +
                            std::to_string(settings_.baud) + " bauds).");
  }
  last_valid_ = clock_();
}

void SerialSource::unplugged() const {
  // The system's wording of the error (often a stale errno) tells a user less
  // than this.
  throw platform::Failure("La carte sur " + settings_.path +
                          " ne répond plus : a-t-elle été débranchée ?");
}

void SerialSource::drain() {
  if (port_.isOpen()) {
    port_.waitForReadyRead(0);
    const QSerialPort::SerialPortError error = port_.error();
    if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) {
      unplugged();
    }
    port_.clearError();
  }
  const QByteArray bytes = port_.readAll();
  if (const auto count = lines_.feed(std::string_view(bytes.constData(), bytes.size()))) {
    count_ = *count;
    last_valid_ = clock_();
  }
  if (!port_.isOpen()) unplugged();
  if (clock_() - last_valid_ > settings_.silence_seconds) {
    throw platform::Failure("La carte sur " + settings_.path +
                            " n'envoie plus de mesure valide depuis plus de " +
                            std::to_string(static_cast<int>(settings_.silence_seconds)) +
                            " s : a-t-elle été débranchée ?");
  }
}

platform::Variant SerialSource::raw_reading() {
  drain();
  return raw_reading_of_count(count_, settings_.bits);
}

platform::Variant SerialSource::measured_voltage() {
  drain();
  return static_cast<double>(count_) * settings_.vref / static_cast<double>(1LL << settings_.bits);
}

std::unique_ptr<Source> make_serial(const SourceAddress& address) {
  require_known_options(address, {"baud", "bits", "vref"});
  SerialSource::Settings settings;
  settings.path = address.target;
  if (settings.path.empty()) {
    throw bad_address("le chemin du port série manque (serial:/dev/ttyACM0)");
  }
  if (address.options.contains("baud")) {
    settings.baud = static_cast<qint32>(option_integer(address, "baud", 50, 4000000));
  }
  if (address.options.contains("bits")) {
    settings.bits = static_cast<int>(option_integer(address, "bits", 1, 24));
  }
  if (address.options.contains("vref")) {
    settings.vref = option_double(address, "vref");
    if (!(settings.vref > 0)) {
      throw bad_address("la tension de référence « vref » doit être positive");
    }
  }
  return std::make_unique<SerialSource>(settings);
}

}  // namespace acquisition
