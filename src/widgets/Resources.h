#pragma once

namespace birch {

// Registers the pictures compiled into the UI library. A static library's resources are not
// registered by themselves; every window that shows one calls this first (repeated calls are
// harmless).
void Init_Resources();

} // namespace birch
