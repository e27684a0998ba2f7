#include "acquisition/iio_source.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "acquisition/counts.h"
#include "acquisition/iio_attributes.h"
#include "platform/failure.h"

namespace acquisition {

namespace fs = std::filesystem;

namespace {

// The whole content of a small attribute file, or nothing when it cannot be
// read; errno tells why.
std::optional<std::string> read_attribute(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  char buf[256];
  ssize_t got = 0;
  do {
    got = ::pread(fd, buf, sizeof buf, 0);
  } while (got < 0 && errno == EINTR);
  const int saved = errno;
  ::close(fd);
  errno = saved;
  if (got < 0) return {};
  return std::string(buf, static_cast<std::size_t>(got));
}

platform::Failure missing(const fs::path& path) {
  return platform::Failure("Convertisseur IIO : l'attribut " + path.string() +
                           " est absent ou illisible.");
}

platform::Failure garbled(const fs::path& path, const std::string& text) {
  std::string shown = text.substr(0, 40);
  while (!shown.empty() && shown.back() == '\n') shown.pop_back();
  return platform::Failure("Convertisseur IIO : l'attribut " + path.string() + " contient « " +
                           shown + " », qui n'est pas un nombre.");
}

template <typename T, typename Parse>
std::optional<T> optional_number(const fs::path& path, Parse parse) {
  if (!fs::exists(path)) return {};
  const auto text = read_attribute(path);
  if (!text) throw missing(path);
  const auto value = parse(*text);
  if (!value) throw garbled(path, *text);
  return value;
}

}  // namespace

IioSource::IioSource(const Settings& settings) {
  const fs::path& dir = settings.device;
  if (!fs::is_directory(dir)) {
    throw platform::Failure("Convertisseur IIO : le périphérique " + dir.string() +
                            " n'existe pas.");
  }
  const std::string channel = "in_voltage" + std::to_string(settings.channel);
  raw_path_ = dir / (channel + "_raw");
  if (!fs::exists(raw_path_)) {
    throw platform::Failure("Convertisseur IIO : le périphérique " + dir.string() +
                            " n'a pas de voie " + std::to_string(settings.channel) + " (" +
                            raw_path_.filename().string() + " absent).");
  }

  auto scale = optional_number<double>(dir / (channel + "_scale"), parse_iio_decimal);
  if (!scale) scale = optional_number<double>(dir / "in_voltage_scale", parse_iio_decimal);
  if (!scale) {
    throw platform::Failure("Convertisseur IIO : ni " + (dir / (channel + "_scale")).string() +
                            " ni " + (dir / "in_voltage_scale").string() +
                            " n'existe : l'échelle de la voie est inconnue.");
  }
  scale_ = *scale;
  auto offset = optional_number<double>(dir / (channel + "_offset"), parse_iio_decimal);
  if (!offset) offset = optional_number<double>(dir / "in_voltage_offset", parse_iio_decimal);
  offset_ = offset.value_or(0);

  const fs::path type_path = dir / "scan_elements" / (channel + "_type");
  if (const auto text = fs::exists(type_path) ? read_attribute(type_path) : std::nullopt) {
    const auto type = parse_iio_type(*text);
    if (!type) throw garbled(type_path, *text);
    bits_ = type->bits;
  } else {
    bits_ = settings.bits;
  }
  if (bits_ == 0) {
    throw platform::Failure("Convertisseur IIO : la résolution de la voie est inconnue (" +
                            type_path.string() +
                            " absent) : indiquez-la avec bits=, par exemple "
                            "iio:" +
                            dir.string() + "?bits=12.");
  }
  read_raw();  // a channel that cannot convert fails now, not at the first tick
}

long long IioSource::read_raw() const {
  const auto text = read_attribute(raw_path_);
  if (!text) {
    throw platform::Failure("Convertisseur IIO : lecture de " + raw_path_.string() +
                            " impossible (" + std::strerror(errno) + ").");
  }
  const auto value = parse_iio_integer(*text);
  if (!value) throw garbled(raw_path_, *text);
  return *value;
}

platform::Variant IioSource::raw_reading() {
  return raw_reading_of_count(read_raw(), bits_);
}

platform::Variant IioSource::measured_voltage() {
  return (static_cast<double>(read_raw()) + offset_) * scale_ / 1000;
}

std::unique_ptr<Source> make_iio(const SourceAddress& address, const fs::path& devices) {
  require_known_options(address, {"channel", "bits"});
  IioSource::Settings settings;
  if (address.target.empty()) {
    throw bad_address("le périphérique IIO manque (iio:iio:device0 ou iio:NOM)");
  }
  if (address.options.contains("channel")) {
    settings.channel = static_cast<int>(option_integer(address, "channel", 0, 1023));
  }
  if (address.options.contains("bits")) {
    settings.bits = static_cast<int>(option_integer(address, "bits", 1, 31));
  }
  if (address.target.find('/') != std::string::npos) {
    settings.device = address.target;
  } else if (fs::is_directory(devices / address.target) &&
             address.target.starts_with("iio:device")) {
    settings.device = devices / address.target;
  } else {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(devices, error)) {
      const auto name = read_attribute(entry.path() / "name");
      if (name && std::string_view(*name).substr(0, name->find('\n')) == address.target) {
        settings.device = entry.path();
        break;
      }
    }
    if (settings.device.empty()) {
      throw platform::Failure("Convertisseur IIO : aucun périphérique nommé « " + address.target +
                              " » dans " + devices.string() + ".");
    }
  }
  return std::make_unique<IioSource>(settings);
}

}  // namespace acquisition
