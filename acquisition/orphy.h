#pragma once

#include <memory>
#include <string_view>

#include "acquisition/source.h"
#include "platform/control.h"

namespace acquisition {

// The acquisition control ORPHYS.orphy: two readings, late-bound by member
// identifier, served by a source.
class Orphy : public platform::Dispatch {
 public:
  static constexpr std::string_view class_name = "ORPHYS.orphy";

  Orphy(platform::PropertyBag settings, std::unique_ptr<Source> source);

  platform::MemberId member_id(std::string_view name) const override;
  platform::Variant invoke(platform::MemberId id) override;

  const platform::PropertyBag& settings() const { return settings_; }

 private:
  platform::PropertyBag settings_;
  std::unique_ptr<Source> source_;
};

// Registers ORPHYS.orphy; each control created gets a source from `sources`.
void register_orphy(platform::ClassRegistry& registry, SourceFactory sources);

}  // namespace acquisition
