// A hive seen through a layer below it: the layer's keys and values show unless the hive has
// its own, and writes keep only what the layer does not already give.
#pragma once

#include "common/HiveKey.h"

namespace varnex {

// The tree a reader sees: `base` with every key and value of `top` laid over it.
HiveKey MergeLayers(const HiveKey& base, const HiveKey& top);

// What the top layer must hold so that merging it over `base` gives `merged`: every value that
// differs from the base or that `previousTop` already held, and every key that the base lacks,
// that holds such a value, or that `previousTop` already held.
HiveKey TopLayerOf(const HiveKey& merged, const HiveKey& base, const HiveKey& previousTop);

} // namespace varnex
