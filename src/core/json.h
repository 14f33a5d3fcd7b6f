// One small mechanism through which every data file of the engine is read and written.
//
// A record lists its fields once with JSON_RECORD; the decoder and the encoder walk that
// description, so no record carries hand-written JSON code. Supported field types: bool,
// int, int64_t, uint8_t, double, std::string, std::vector<T>, std::array<T, N>,
// std::map<std::string, T>, std::optional<T> (null when empty) and other JSON records.
//
// Reading: keys match field names ignoring ASCII letter case, an exact match winning;
// unknown keys are ignored; absent keys leave a field as it was. null leaves a scalar as
// it was and empties a list, map or optional. An object read into a map adds or replaces
// its keys; an array read into a list replaces the list. Integer fields take only numbers
// without fraction or exponent that fit the field. Any other type mismatch fails.
//
// Writing: compact, record fields in declaration order, map keys in byte order, empty
// optionals as null, "<", ">" and "&" escaped so the files are safe to embed anywhere.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/error.h"

namespace core::json {

enum class Kind { Bool, Int, Int64, Uint8, Double, String, List, Array, Map, Optional, Record };

struct Type;
using TypeFn = const Type& (*)();

struct Field {
  std::string_view Name;
  TypeFn Type;
  void* (*Get)(void* record);
  const void* (*GetConst)(const void* record);
};

struct RecordInfo {
  std::string_view Name;
  std::span<const Field> Fields;
};

using EntryFn = void (*)(void* ctx, const std::string& key, const void* value);

// A type-erased description of a C++ type; the operations a kind does not use stay null.
struct Type {
  Kind kind;
  std::string_view name;
  std::span<const Field> fields{};                             // Record
  TypeFn elem = nullptr;                                       // List, Array, Map, Optional
  std::size_t length = 0;                                      // Array
  void (*reset)(void*) = nullptr;                              // List, Map, Optional: empty it
  void* (*append)(void*) = nullptr;                            // List: add a zero element
  std::size_t (*size)(const void*) = nullptr;                  // List, Array
  void* (*item)(void*, std::size_t) = nullptr;                 // List, Array
  const void* (*citem)(const void*, std::size_t) = nullptr;    // List, Array
  void (*zeroItem)(void*, std::size_t) = nullptr;              // Array
  void* (*put)(void*, const std::string&) = nullptr;           // Map: key set to a zero value
  void (*each)(const void*, EntryFn, void*) = nullptr;         // Map: entries in key order
  bool (*present)(const void*) = nullptr;                      // Optional
  void* (*engage)(void*) = nullptr;                            // Optional: keeps a held value
  const void* (*cvalue)(const void*) = nullptr;                // Optional
};

template <auto M>
struct MemberAccess;
template <class C, class V, V C::*M>
struct MemberAccess<M> {
  static void* Get(void* r) { return &(static_cast<C*>(r)->*M); }
  static const void* GetConst(const void* r) { return &(static_cast<const C*>(r)->*M); }
};

template <class T>
struct IsVector : std::false_type {};
template <class T>
struct IsVector<std::vector<T>> : std::true_type {};
template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};
template <class T>
struct IsStringMap : std::false_type {};
template <class T>
struct IsStringMap<std::map<std::string, T>> : std::true_type {};
template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
concept Described = requires { orlJsonDescribe(static_cast<const T*>(nullptr)); };

template <class T>
const Type& TypeOf() {
  if constexpr (std::is_same_v<T, bool>) {
    static const Type t{Kind::Bool, "bool"};
    return t;
  } else if constexpr (std::is_same_v<T, int>) {
    static const Type t{Kind::Int, "int"};
    return t;
  } else if constexpr (std::is_same_v<T, std::int64_t>) {
    static const Type t{Kind::Int64, "int64"};
    return t;
  } else if constexpr (std::is_same_v<T, std::uint8_t>) {
    static const Type t{Kind::Uint8, "uint8"};
    return t;
  } else if constexpr (std::is_same_v<T, double>) {
    static const Type t{Kind::Double, "number"};
    return t;
  } else if constexpr (std::is_same_v<T, std::string>) {
    static const Type t{Kind::String, "string"};
    return t;
  } else if constexpr (IsVector<T>::value) {
    using E = typename T::value_type;
    static const Type t{
        .kind = Kind::List,
        .name = "list",
        .elem = &TypeOf<E>,
        .reset = [](void* v) { static_cast<T*>(v)->clear(); },
        .append = [](void* v) -> void* { return &static_cast<T*>(v)->emplace_back(); },
        .size = [](const void* v) { return static_cast<const T*>(v)->size(); },
        .item = [](void* v, std::size_t i) -> void* { return &(*static_cast<T*>(v))[i]; },
        .citem = [](const void* v, std::size_t i) -> const void* {
          return &(*static_cast<const T*>(v))[i];
        },
    };
    return t;
  } else if constexpr (IsStdArray<T>::value) {
    using E = typename T::value_type;
    static const Type t{
        .kind = Kind::Array,
        .name = "array",
        .elem = &TypeOf<E>,
        .length = std::tuple_size_v<T>,
        .size = [](const void*) { return std::tuple_size_v<T>; },
        .item = [](void* v, std::size_t i) -> void* { return &(*static_cast<T*>(v))[i]; },
        .citem = [](const void* v, std::size_t i) -> const void* {
          return &(*static_cast<const T*>(v))[i];
        },
        .zeroItem = [](void* v, std::size_t i) { (*static_cast<T*>(v))[i] = E{}; },
    };
    return t;
  } else if constexpr (IsStringMap<T>::value) {
    using E = typename T::mapped_type;
    static const Type t{
        .kind = Kind::Map,
        .name = "map",
        .elem = &TypeOf<E>,
        .reset = [](void* v) { static_cast<T*>(v)->clear(); },
        .put = [](void* v, const std::string& key) -> void* {
          auto& slot = (*static_cast<T*>(v))[key];
          slot = E{};
          return &slot;
        },
        .each =
            [](const void* v, EntryFn fn, void* ctx) {
              for (const auto& [key, value] : *static_cast<const T*>(v)) fn(ctx, key, &value);
            },
    };
    return t;
  } else if constexpr (IsOptional<T>::value) {
    using E = typename T::value_type;
    static const Type t{
        .kind = Kind::Optional,
        .name = TypeOf<E>().name,
        .elem = &TypeOf<E>,
        .reset = [](void* v) { static_cast<T*>(v)->reset(); },
        .present = [](const void* v) { return static_cast<const T*>(v)->has_value(); },
        .engage = [](void* v) -> void* {
          auto* o = static_cast<T*>(v);
          if (!o->has_value()) o->emplace();
          return &**o;
        },
        .cvalue = [](const void* v) -> const void* { return &**static_cast<const T*>(v); },
    };
    return t;
  } else if constexpr (Described<T>) {
    static const RecordInfo info = orlJsonDescribe(static_cast<const T*>(nullptr));
    static const Type t{.kind = Kind::Record, .name = info.Name, .fields = info.Fields};
    return t;
  } else {
    static_assert(sizeof(T) == 0, "type has no JSON description");
  }
}

// Parses `text` as one JSON value into the object `dst` of type `type`.
// Errors carry the parser's message or name the field whose value has the wrong type.
[[nodiscard]] Result<void> Decode(std::string_view text, void* dst, const Type& type);

// Writes `src` of type `type` as compact JSON. Fails only on values JSON cannot hold
// (a non-finite number).
[[nodiscard]] Result<std::string> Encode(const void* src, const Type& type);

}  // namespace core::json

// Field list helpers: JSON_RECORD(Rec, f1, f2, ...) describes the record Rec by the names
// of its fields, in the order they are written. Use it in the record's own namespace.
#define ORL_JSON_FIELD(Rec, member)                                                  \
  ::core::json::Field {                                                              \
    #member, &::core::json::TypeOf<decltype(Rec::member)>,                           \
        &::core::json::MemberAccess<&Rec::member>::Get,                              \
        &::core::json::MemberAccess<&Rec::member>::GetConst                          \
  }

#define ORL_FE_1(m, R, x) m(R, x)
#define ORL_FE_2(m, R, x, ...) m(R, x), ORL_FE_1(m, R, __VA_ARGS__)
#define ORL_FE_3(m, R, x, ...) m(R, x), ORL_FE_2(m, R, __VA_ARGS__)
#define ORL_FE_4(m, R, x, ...) m(R, x), ORL_FE_3(m, R, __VA_ARGS__)
#define ORL_FE_5(m, R, x, ...) m(R, x), ORL_FE_4(m, R, __VA_ARGS__)
#define ORL_FE_6(m, R, x, ...) m(R, x), ORL_FE_5(m, R, __VA_ARGS__)
#define ORL_FE_7(m, R, x, ...) m(R, x), ORL_FE_6(m, R, __VA_ARGS__)
#define ORL_FE_8(m, R, x, ...) m(R, x), ORL_FE_7(m, R, __VA_ARGS__)
#define ORL_FE_9(m, R, x, ...) m(R, x), ORL_FE_8(m, R, __VA_ARGS__)
#define ORL_FE_10(m, R, x, ...) m(R, x), ORL_FE_9(m, R, __VA_ARGS__)
#define ORL_FE_11(m, R, x, ...) m(R, x), ORL_FE_10(m, R, __VA_ARGS__)
#define ORL_FE_12(m, R, x, ...) m(R, x), ORL_FE_11(m, R, __VA_ARGS__)
#define ORL_FE_13(m, R, x, ...) m(R, x), ORL_FE_12(m, R, __VA_ARGS__)
#define ORL_FE_14(m, R, x, ...) m(R, x), ORL_FE_13(m, R, __VA_ARGS__)
#define ORL_FE_15(m, R, x, ...) m(R, x), ORL_FE_14(m, R, __VA_ARGS__)
#define ORL_FE_16(m, R, x, ...) m(R, x), ORL_FE_15(m, R, __VA_ARGS__)
#define ORL_FE_17(m, R, x, ...) m(R, x), ORL_FE_16(m, R, __VA_ARGS__)
#define ORL_FE_18(m, R, x, ...) m(R, x), ORL_FE_17(m, R, __VA_ARGS__)
#define ORL_FE_19(m, R, x, ...) m(R, x), ORL_FE_18(m, R, __VA_ARGS__)
#define ORL_FE_20(m, R, x, ...) m(R, x), ORL_FE_19(m, R, __VA_ARGS__)
#define ORL_FE_PICK(_1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, _12, _13, _14, _15, _16, \
                    _17, _18, _19, _20, N, ...)                                           \
  N
#define ORL_FOR_EACH(m, R, ...)                                                            \
  ORL_FE_PICK(__VA_ARGS__, ORL_FE_20, ORL_FE_19, ORL_FE_18, ORL_FE_17, ORL_FE_16,          \
              ORL_FE_15, ORL_FE_14, ORL_FE_13, ORL_FE_12, ORL_FE_11, ORL_FE_10, ORL_FE_9,  \
              ORL_FE_8, ORL_FE_7, ORL_FE_6, ORL_FE_5, ORL_FE_4, ORL_FE_3, ORL_FE_2,        \
              ORL_FE_1)                                                                    \
  (m, R, __VA_ARGS__)

#define JSON_RECORD(Rec, ...)                                                              \
  inline ::core::json::RecordInfo orlJsonDescribe(const Rec*) {                            \
    static const ::core::json::Field fields[] = {ORL_FOR_EACH(ORL_JSON_FIELD, Rec, __VA_ARGS__)}; \
    return {#Rec, fields};                                                                 \
  }
