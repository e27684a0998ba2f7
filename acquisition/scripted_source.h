#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "acquisition/source.h"

namespace acquisition {

// A source that plays back readings set in advance, for tests and benchmarks.
// Each read takes the next queued step, a value or a failure; with the queue
// empty it returns the steady value, or fails when there is none. Every read
// is logged, so the order and count of reads can be checked.
class Script {
 public:
  struct Fail {
    std::string message;
  };
  using Step = std::variant<platform::Variant, Fail>;

  void queue_raw(Step step) { raw_.queue.push_back(std::move(step)); }
  void queue_voltage(Step step) { voltage_.queue.push_back(std::move(step)); }
  void set_raw(platform::Variant value) { raw_.steady = std::move(value); }
  void set_voltage(platform::Variant value) { voltage_.steady = std::move(value); }

  std::vector<std::string>& log() { return log_; }

  platform::Variant next_raw() { return next(raw_, "RawReading"); }
  platform::Variant next_voltage() { return next(voltage_, "MeasuredVoltage"); }

 private:
  struct Channel {
    std::deque<Step> queue;
    std::optional<platform::Variant> steady;
  };
  platform::Variant next(Channel& channel, const char* name);

  Channel raw_;
  Channel voltage_;
  std::vector<std::string> log_;
};

class ScriptedSource : public Source {
 public:
  explicit ScriptedSource(std::shared_ptr<Script> script) : script_(std::move(script)) {}
  platform::Variant raw_reading() override { return script_->next_raw(); }
  platform::Variant measured_voltage() override { return script_->next_voltage(); }

 private:
  std::shared_ptr<Script> script_;
};

// A factory handing out sources that all play the same script.
SourceFactory scripted(std::shared_ptr<Script> script);

}  // namespace acquisition
