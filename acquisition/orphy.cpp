#include "acquisition/orphy.h"

#include <utility>

namespace acquisition {

namespace {

constexpr platform::MemberId kRawReading = 0x6803000D;
constexpr platform::MemberId kMeasuredVoltage = 0x68030001;

}  // namespace

Orphy::Orphy(platform::PropertyBag settings, std::unique_ptr<Source> source)
    : settings_(std::move(settings)), source_(std::move(source)) {}

platform::MemberId Orphy::member_id(std::string_view name) const {
  if (name == "RawReading") return kRawReading;
  if (name == "MeasuredVoltage") return kMeasuredVoltage;
  throw platform::unknown_member(class_name, name);
}

platform::Variant Orphy::invoke(platform::MemberId id) {
  switch (id) {
    case kRawReading:
      return source_->raw_reading();
    case kMeasuredVoltage:
      return source_->measured_voltage();
    default:
      throw platform::unknown_member(class_name, id);
  }
}

void register_orphy(platform::ClassRegistry& registry, SourceFactory sources) {
  registry.add(std::string(Orphy::class_name),
               [sources = std::move(sources)](
                   const platform::PropertyBag& settings) -> std::unique_ptr<platform::Dispatch> {
                 return std::make_unique<Orphy>(settings, sources(settings));
               });
}

}  // namespace acquisition
