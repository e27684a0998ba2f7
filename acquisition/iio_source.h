#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "acquisition/source.h"
#include "acquisition/source_address.h"

namespace acquisition {

// An analog input of a Linux IIO converter, through its sysfs attributes.
// Every reading is a fresh conversion: the raw attribute is read anew.
class IioSource : public Source {
 public:
  struct Settings {
    std::filesystem::path device;  // the device's directory
    int channel = 0;
    int bits = 0;  // 0: from scan_elements, which must then say
  };

  // Checks the device, the channel and its attributes; what is missing is a
  // failure naming it.
  explicit IioSource(const Settings& settings);

  platform::Variant raw_reading() override;
  platform::Variant measured_voltage() override;

  int bits() const { return bits_; }
  double scale() const { return scale_; }
  double offset() const { return offset_; }

 private:
  long long read_raw() const;

  std::filesystem::path raw_path_;
  int bits_ = 0;
  double scale_ = 1;   // millivolts per count
  double offset_ = 0;  // counts
};

// DEVICE is a directory path, or a name matched against each device's "name"
// attribute under `devices` (normally /sys/bus/iio/devices).
std::unique_ptr<Source> make_iio(const SourceAddress& address,
                                 const std::filesystem::path& devices = "/sys/bus/iio/devices");

}  // namespace acquisition
