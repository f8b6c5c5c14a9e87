#pragma once

#include <cstdint>
#include <functional>

namespace tallyhand {

// The program's uniform integer generator: a number in [0, bound), bound > 0.
// Injected so that runs can be repeated.
using UniformBelow = std::function<std::uint32_t(std::uint32_t bound)>;

} // namespace tallyhand
