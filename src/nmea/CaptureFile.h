#pragma once

#include <cstddef>

namespace birch {

// A capture is read whole; hours of every talker on a port fit well below this.
inline constexpr std::size_t kMaxCaptureSize = 256u * 1024u * 1024u;

} // namespace birch
