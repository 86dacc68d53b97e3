#pragma once
// Published properties: a small table per class, reached from its class record and inherited
// down the class tree, that reads and writes each property by name and as text, and each event
// as a {code, data} pair. A class declares its table with RUZI_CLASS_RECORD_PUBLISHED and
// defines it in its source file from its own getters and setters:
//
//   const TPropertyTable* TComponent::PublishedTable() {
//     static const TPropertyInfo properties[] = {
//         Published<&TComponent::Name, &TComponent::SetName>("Name"),
//         Published<&TComponent::Tag, &TComponent::SetTag>("Tag")};
//     static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
//     return &table;
//   }
//
// Texts: integers in decimal (or "$1F"/"0x1F"), booleans "True"/"False", enumerations by their
// value names (letter case ignored on input), sets as "[name,name]", floats as FloatToStr
// writes them, strings as they are; a class may give a value type a text of its own
// (PublishedAs). The tables are constants (any thread may read them); reading or writing a property
// touches only the object given, which its owner keeps on one thread.
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/foundation/set_of.h"

namespace ruzi {

enum class TTypeKind { tkInteger, tkEnumeration, tkFloat, tkLString, tkMethod, tkSet, tkClass };

struct TPropertyInfo {
  const char* Name;
  TTypeKind Kind;
  std::string (*GetText)(const TPersistent& instance);
  // False when `text` is no value of the property's type; the instance is then unchanged.
  bool (*SetText)(TPersistent& instance, std::string_view text);
  // An enumeration's value names in value order; none for other kinds.
  const char* const* ValueNames = nullptr;
  size_t ValueCount = 0;
};

struct TEventInfo {
  const char* Name;
  TMethod (*Get)(const TPersistent& instance);
  void (*Set)(TPersistent& instance, TMethod handler);
};

struct TPropertyTable {
  const TPropertyInfo* Properties;
  size_t PropertyCount;
  const TEventInfo* Events;
  size_t EventCount;
};

// The value names of an enumeration published as a property, in value order:
//   template <> struct TEnumNames<TAlign> {
//     static constexpr std::array<const char*, 2> Names{"alNone", "alTop"};
//   };
template <typename Enum>
struct TEnumNames;

// Text conversions shared by every table (published_property.cpp).
RUZI_API std::string IntegerPropertyText(int64_t value);
RUZI_API std::optional<int64_t> IntegerPropertyValue(std::string_view text);
RUZI_API std::string FloatPropertyText(double value);
RUZI_API std::optional<double> FloatPropertyValue(std::string_view text);
// The index of `text` among `names` (letter case ignored).
RUZI_API std::optional<size_t> EnumPropertyValue(std::string_view text, const char* const* names, size_t count);
// A set's bits as "[name,name]" in value order, and back (spaces around names ignored).
RUZI_API std::string SetPropertyText(uint32_t bits, const char* const* names, size_t count);
RUZI_API std::optional<uint32_t> SetPropertyValue(std::string_view text, const char* const* names, size_t count);

// How a value type is written and read as text.
template <>
struct TEnumNames<bool> {
  static constexpr std::array<const char*, 2> Names{"False", "True"};
};

template <typename T, typename = void>
struct TPropertyText;

// Booleans and enumerations: by value name. Each type without names lists none.
template <typename T>
struct TPropertyText<T, std::enable_if_t<std::is_enum_v<T> || std::is_same_v<T, bool>>> {
  static constexpr TTypeKind Kind = TTypeKind::tkEnumeration;
  static constexpr const char* const* ValueNames() { return TEnumNames<T>::Names.data(); }
  static constexpr size_t ValueCount() { return TEnumNames<T>::Names.size(); }
  static std::string ToText(T value) {
    const auto index = static_cast<size_t>(value);
    return index < ValueCount() ? ValueNames()[index] : IntegerPropertyText(static_cast<int64_t>(index));
  }
  static std::optional<T> FromText(std::string_view text) {
    auto index = EnumPropertyValue(text, ValueNames(), ValueCount());
    if (!index) return std::nullopt;
    return static_cast<T>(*index);
  }
};

template <typename Enum>
struct TPropertyText<TSetOf<Enum>> {
  static constexpr TTypeKind Kind = TTypeKind::tkSet;
  static constexpr const char* const* ValueNames() { return TEnumNames<Enum>::Names.data(); }
  static constexpr size_t ValueCount() { return TEnumNames<Enum>::Names.size(); }
  static std::string ToText(TSetOf<Enum> value) { return SetPropertyText(value.Bits, ValueNames(), ValueCount()); }
  static std::optional<TSetOf<Enum>> FromText(std::string_view text) {
    auto bits = SetPropertyValue(text, ValueNames(), ValueCount());
    if (!bits) return std::nullopt;
    return TSetOf<Enum>::FromBits(*bits);
  }
};

template <typename T>
struct TPropertyText<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>> {
  static constexpr TTypeKind Kind = TTypeKind::tkInteger;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  static std::string ToText(T value) { return IntegerPropertyText(static_cast<int64_t>(value)); }
  static std::optional<T> FromText(std::string_view text) {
    auto value = IntegerPropertyValue(text);
    if (!value || !Fits(*value)) return std::nullopt;
    return static_cast<T>(*value);
  }
  static bool Fits(int64_t value) {
    if constexpr (std::is_signed_v<T>) {
      return value >= static_cast<int64_t>(std::numeric_limits<T>::min()) &&
             value <= static_cast<int64_t>(std::numeric_limits<T>::max());
    } else {
      return value >= 0 && static_cast<uint64_t>(value) <= std::numeric_limits<T>::max();
    }
  }
};

template <typename T>
struct TPropertyText<T, std::enable_if_t<std::is_floating_point_v<T>>> {
  static constexpr TTypeKind Kind = TTypeKind::tkFloat;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  static std::string ToText(T value) { return FloatPropertyText(value); }
  static std::optional<T> FromText(std::string_view text) {
    auto value = FloatPropertyValue(text);
    if (!value) return std::nullopt;
    return static_cast<T>(*value);
  }
};

template <>
struct TPropertyText<std::string> {
  static constexpr TTypeKind Kind = TTypeKind::tkLString;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  static std::string ToText(const std::string& value) { return value; }
  static std::optional<std::string> FromText(std::string_view text) { return std::string(text); }
};

namespace published_detail {

template <typename Getter>
struct GetterTraits;

template <typename Class, typename Result>
struct GetterTraits<Result (Class::*)() const> {
  using Owner = Class;
  using Value = std::remove_cvref_t<Result>;
};

template <typename Field>
struct FieldTraits;

template <typename Class, typename Value>
struct FieldTraits<Value Class::*> {
  using Owner = Class;
};

}  // namespace published_detail

// A property read by `Getter` (a const member function) and written by `Setter` (a member
// function taking the value), its text written and read by `Text` (ToText, FromText, Kind,
// ValueNames, ValueCount as the TPropertyText above).
template <typename Text, auto Getter, auto Setter>
TPropertyInfo PublishedAs(const char* name) {
  using Class = typename published_detail::GetterTraits<decltype(Getter)>::Owner;
  return TPropertyInfo{
      name, Text::Kind,
      [](const TPersistent& instance) { return Text::ToText((static_cast<const Class&>(instance).*Getter)()); },
      [](TPersistent& instance, std::string_view text) {
        auto value = Text::FromText(text);
        if (!value) return false;
        (static_cast<Class&>(instance).*Setter)(*value);
        return true;
      },
      Text::ValueNames(), Text::ValueCount()};
}

// The same with the value type's own text.
template <auto Getter, auto Setter>
TPropertyInfo Published(const char* name) {
  using Value = typename published_detail::GetterTraits<decltype(Getter)>::Value;
  return PublishedAs<TPropertyText<Value>, Getter, Setter>(name);
}

// A property that is only read: writing it as text is refused (SetPropText raises).
template <auto Getter>
TPropertyInfo PublishedReadOnly(const char* name) {
  using Class = typename published_detail::GetterTraits<decltype(Getter)>::Owner;
  using Text = TPropertyText<typename published_detail::GetterTraits<decltype(Getter)>::Value>;
  return TPropertyInfo{
      name, Text::Kind,
      [](const TPersistent& instance) { return Text::ToText((static_cast<const Class&>(instance).*Getter)()); },
      [](TPersistent&, std::string_view) { return false; }, Text::ValueNames(), Text::ValueCount()};
}

// An event kept in the data member `Field` (a TEvent of any signature).
template <auto Field>
TEventInfo PublishedEvent(const char* name) {
  using Class = typename published_detail::FieldTraits<decltype(Field)>::Owner;
  using Handler = std::remove_cvref_t<decltype(std::declval<Class&>().*Field)>;
  return TEventInfo{
      name, [](const TPersistent& instance) { return (static_cast<const Class&>(instance).*Field).AsMethod(); },
      [](TPersistent& instance, TMethod handler) {
        static_cast<Class&>(instance).*Field = Handler::FromMethod(handler);
      }};
}

}  // namespace ruzi
