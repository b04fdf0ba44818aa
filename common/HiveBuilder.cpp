// Builds a hive's key tree from sections and values in the order a file gives them.
#include "common/HiveBuilder.h"

#include "common/NoCase.h"

#include <algorithm>

namespace varnex {

namespace {

struct LessNoCase {
    bool operator()(const std::string& a, const std::string& b) const {
        return CompareNoCase(a, b) < 0;
    }
};

} // namespace

// Sub-keys and values in the order they came, found by name through an index.
class HiveBuilder::Key {
public:
    explicit Key(std::string name) : name_(std::move(name)) {}

    Key& Sub(const std::string& name) {
        const auto [slot, added] = subIndex_.try_emplace(name, subKeys_.size());
        if (added) subKeys_.push_back(std::make_unique<Key>(name));
        return *subKeys_[slot->second];
    }

    void SetValue(std::string_view name, ValueType type, std::string data) {
        const auto [slot, added] = valueIndex_.try_emplace(std::string(name), values_.size());
        if (added) values_.push_back(HiveValue{std::string(name), type, std::move(data)});
        HiveValue& value = values_[slot->second];
        value.type = type;
        if (!added) value.data = std::move(data);
    }

    // Appends in sorted order, which HiveKey takes without moving what it holds. The reader
    // refuses paths deeper than kMaxKeyDepth, so the recursion stays shallow.
    HiveKey Sorted() {
        HiveKey key(name_);
        for (const auto& [name, index] : valueIndex_) {
            HiveValue& value = values_[index];
            key.SetValue(value.name, value.type, std::move(value.data));
        }
        for (const auto& [name, index] : subIndex_)
            key.CreateSub(subKeys_[index]->name_) = subKeys_[index]->Sorted();
        return key;
    }

private:
    std::string name_;
    std::vector<std::unique_ptr<Key>> subKeys_;
    std::map<std::string, std::size_t, LessNoCase> subIndex_;
    std::vector<HiveValue> values_;
    std::map<std::string, std::size_t, LessNoCase> valueIndex_;
};

HiveBuilder::HiveBuilder() : root_(std::make_unique<Key>(std::string())) {}

HiveBuilder::~HiveBuilder() = default;

HiveBuilder::Key& HiveBuilder::CreatePath(const std::vector<std::string>& path) {
    Key* key = root_.get();
    for (const std::string& name : path)
        key = &key->Sub(name);
    return *key;
}

void HiveBuilder::SetValue(Key& key, std::string_view name, ValueType type, std::string data) {
    key.SetValue(name, type, std::move(data));
}

HiveKey HiveBuilder::Finish() {
    return root_->Sorted();
}

} // namespace varnex
