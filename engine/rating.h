#pragma once

#include <cstdint>

namespace vrc::engine {

// A player's rating, and every per-player amount derived from it.
using Rating = std::int16_t;

// Entry rows, 0 at the top.
inline constexpr int kRows = 3;

} // namespace vrc::engine
