#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>

namespace brevanta {

// The number an identifier holds: 64 bits, as long long, the type that Qt's variants and
// data streams carry whole (qlonglong).
using IdNumber = long long;
static_assert(sizeof(IdNumber) == sizeof(int64_t));

// The identifiers that rows carry in their PID, HID, TID and VID fields: whole numbers, one
// type per kind, so that an investment's identifier cannot stand where a portfolio's is meant.
// std::hash takes them, so they key unordered maps.
enum class Pid : IdNumber {};  // portfolio
enum class Hid : IdNumber {};  // investment
enum class Tid : IdNumber {};  // transaction
enum class Vid : IdNumber {};  // historical value

template <typename Id>
concept Identifier = std::is_same_v<Id, Pid> || std::is_same_v<Id, Hid> ||
    std::is_same_v<Id, Tid> || std::is_same_v<Id, Vid>;

// The identifier's number, as stored.
template <Identifier Id>
constexpr IdNumber Number(Id id) {
    return static_cast<IdNumber>(id);
}

// Its decimal text, as the tables hold it.
template <Identifier Id>
std::string IdText(Id id) {
    return std::to_string(Number(id));
}

// The identifier `count` (>= 0) places after `id`, or nullopt past the largest 64-bit number:
// identifiers never wrap.
template <Identifier Id>
constexpr std::optional<Id> IdAfter(Id id, IdNumber count = 1) {
    if (Number(id) > std::numeric_limits<IdNumber>::max() - count) return std::nullopt;
    return static_cast<Id>(Number(id) + count);
}

}  // namespace brevanta
