#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "model/mark.h"
#include "model/session.h"

namespace oltrave {

// The names a session file gives the program's kinds: fixed by the format,
// whatever the enums' order becomes.
namespace sessionnames {

template <typename Enum, std::size_t N>
const char* nameIn(const std::array<std::pair<Enum, const char*>, N>& table, Enum value) {
    for (const auto& [v, name] : table) {
        if (v == value)
            return name;
    }
    return "";
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueIn(const std::array<std::pair<Enum, const char*>, N>& table,
                            std::string_view name) {
    for (const auto& [v, n] : table) {
        if (name == n)
            return v;
    }
    return std::nullopt;
}

inline constexpr std::array<std::pair<MarkKind, const char*>, 7> kKinds{{
    {MarkKind::Zero, "zero"},
    {MarkKind::ValueAtZero, "value-at-zero"},
    {MarkKind::Vertex, "vertex"},
    {MarkKind::Extremum, "extremum"},
    {MarkKind::SymmetricCentre, "symmetric-centre"},
    {MarkKind::SymmetryAxis, "symmetry-axis"},
    {MarkKind::Asymptote, "asymptote"},
}};
inline constexpr std::array<std::pair<MarkShape, const char*>, 3> kShapes{{
    {MarkShape::Point, "point"},
    {MarkShape::Vertical, "vertical"},
    {MarkShape::Horizontal, "horizontal"},
}};
inline constexpr std::array<std::pair<Status, const char*>, 3> kStatuses{{
    {Status::Ok, "ok"},
    {Status::NotAFunction, "not-a-function"},
    {Status::ZoomError, "zoom-error"},
}};

} // namespace sessionnames

inline const char* markKindName(MarkKind kind) {
    return sessionnames::nameIn(sessionnames::kKinds, kind);
}
inline std::optional<MarkKind> markKindNamed(std::string_view name) {
    return sessionnames::valueIn(sessionnames::kKinds, name);
}
inline const char* markShapeName(MarkShape shape) {
    return sessionnames::nameIn(sessionnames::kShapes, shape);
}
inline std::optional<MarkShape> markShapeNamed(std::string_view name) {
    return sessionnames::valueIn(sessionnames::kShapes, name);
}
inline const char* statusName(Status status) {
    return sessionnames::nameIn(sessionnames::kStatuses, status);
}
inline std::optional<Status> statusNamed(std::string_view name) {
    return sessionnames::valueIn(sessionnames::kStatuses, name);
}

} // namespace oltrave
