#pragma once

#include <cstdint>

namespace zr::attr {

// The system's file attribute bits, as stored and as given in enumeration masks.
constexpr std::uint32_t normal = 0;
constexpr std::uint32_t read_only = 1;
constexpr std::uint32_t hidden = 2;
constexpr std::uint32_t system = 4;
constexpr std::uint32_t volume = 8;
constexpr std::uint32_t directory = 16;
constexpr std::uint32_t archive = 32;

} // namespace zr::attr
