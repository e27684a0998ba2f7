#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "platform/failure.h"
#include "platform/variant.h"

namespace platform {

using MemberId = std::int32_t;

// A hosted control reached by late binding: members are looked up by name
// once, then called by numeric identifier.
class Dispatch {
 public:
  virtual ~Dispatch() = default;

  // The identifier of a member; an unknown name is a failure.
  virtual MemberId member_id(std::string_view name) const = 0;

  // Calls a member without arguments and returns its value; an unknown
  // identifier is a failure.
  virtual Variant invoke(MemberId id) = 0;
};

// A stored setting handed to a control at creation.
using Property = std::variant<std::int32_t, float, std::string>;
using PropertyBag = std::map<std::string, Property, std::less<>>;

// Creates controls by class name, as a window's stored form does.
class ClassRegistry {
 public:
  using Factory = std::function<std::unique_ptr<Dispatch>(const PropertyBag&)>;

  void add(std::string class_name, Factory factory);

  // An unknown class name is a failure.
  std::unique_ptr<Dispatch> create(std::string_view class_name, const PropertyBag& settings) const;

 private:
  std::map<std::string, Factory, std::less<>> factories_;
};

// Failure for a member a control does not have.
Failure unknown_member(std::string_view control, std::string_view member);
Failure unknown_member(std::string_view control, MemberId id);

}  // namespace platform
