#include "platform/control.h"

#include <array>
#include <charconv>

namespace platform {

void ClassRegistry::add(std::string class_name, Factory factory) {
  factories_.insert_or_assign(std::move(class_name), std::move(factory));
}

std::unique_ptr<Dispatch> ClassRegistry::create(std::string_view class_name,
                                                const PropertyBag& settings) const {
  const auto found = factories_.find(class_name);
  if (found == factories_.end()) {
    throw Failure("Impossible de créer le composant « " + std::string(class_name) +
                  " » : cette classe n'est pas enregistrée.");
  }
  return found->second(settings);
}

Failure unknown_member(std::string_view control, std::string_view member) {
  return Failure("Le composant « " + std::string(control) + " » n'a pas de membre « " +
                 std::string(member) + " ».");
}

Failure unknown_member(std::string_view control, MemberId id) {
  std::array<char, 16> buf{};
  const auto result =
      std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<std::uint32_t>(id), 16);
  std::string hex(buf.data(), result.ptr);
  for (char& c : hex) c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
  return Failure("Le composant « " + std::string(control) +
                 " » n'a pas de membre d'identifiant 0x" + hex + ".");
}

}  // namespace platform
