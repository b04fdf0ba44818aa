// A hive seen through a layer below it: the layer's keys and values show unless the hive has
// its own, and writes keep only what the layer does not already give.
#include "common/HiveLayers.h"

namespace varnex {

namespace {

void LayOver(HiveKey& target, const HiveKey& top) {
    for (const HiveValue& value : top.Values())
        target.SetValue(value.name, value.type, value.data);
    for (const HiveKey& sub : top.SubKeys())
        LayOver(target.CreateSub(sub.Name()), sub);
}

bool SameValue(const HiveValue& a, const HiveValue* b) {
    return b && a.type == b->type && a.data == b->data;
}

bool IsEmpty(const HiveKey& key) {
    return key.Values().empty() && key.SubKeys().empty();
}

// `base` and `previousTop` may be null where their layer has no such key.
HiveKey Extract(const HiveKey& merged, const HiveKey* base, const HiveKey* previousTop) {
    HiveKey result(merged.Name());
    for (const HiveValue& value : merged.Values()) {
        const bool keptBefore = previousTop && previousTop->FindValue(value.name);
        if (keptBefore || !SameValue(value, base ? base->FindValue(value.name) : nullptr))
            result.SetValue(value.name, value.type, value.data);
    }
    for (const HiveKey& sub : merged.SubKeys()) {
        const HiveKey* subBase = base ? base->FindSub(sub.Name()) : nullptr;
        const HiveKey* subBefore = previousTop ? previousTop->FindSub(sub.Name()) : nullptr;
        HiveKey extracted = Extract(sub, subBase, subBefore);
        if (subBefore || !subBase || !IsEmpty(extracted))
            result.CreateSub(sub.Name()) = std::move(extracted);
    }
    return result;
}

} // namespace

HiveKey MergeLayers(const HiveKey& base, const HiveKey& top) {
    HiveKey merged = base;
    LayOver(merged, top);
    return merged;
}

HiveKey TopLayerOf(const HiveKey& merged, const HiveKey& base, const HiveKey& previousTop) {
    return Extract(merged, &base, &previousTop);
}

} // namespace varnex
