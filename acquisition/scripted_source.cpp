#include "acquisition/scripted_source.h"

#include <utility>

#include "platform/failure.h"

namespace acquisition {

platform::Variant Script::next(Channel& channel, const char* name) {
  log_.emplace_back(name);
  if (channel.queue.empty()) {
    if (channel.steady) return *channel.steady;
    throw platform::Failure(std::string("Aucune lecture prévue pour ") + name + ".");
  }
  Step step = std::move(channel.queue.front());
  channel.queue.pop_front();
  if (auto* fail = std::get_if<Fail>(&step)) throw platform::Failure(fail->message);
  return std::get<platform::Variant>(std::move(step));
}

SourceFactory scripted(std::shared_ptr<Script> script) {
  return [script = std::move(script)](const platform::PropertyBag&) -> std::unique_ptr<Source> {
    return std::make_unique<ScriptedSource>(script);
  };
}

}  // namespace acquisition
