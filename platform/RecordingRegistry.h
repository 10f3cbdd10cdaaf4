#pragma once
// A StringValueStore in memory that logs every call and can be told to refuse reads or writes,
// as a read-only key or a policy would.

#include "platform/Registry.h"

#include <map>
#include <string>
#include <vector>

namespace traxo {

class RecordingRegistry final : public StringValueStore {
public:
    std::map<std::u16string, std::u16string> values;
    bool refuseReads = false;
    bool refuseWrites = false;         // writes and deletes
    std::vector<std::u16string> calls; // "read traxo", "write traxo=...", "delete traxo"

    RegistryRead Read(std::u16string_view name) override {
        calls.push_back(u"read " + std::u16string(name));
        if (refuseReads) {
            return {RegistryStatus::Refused, {}};
        }
        const auto found = values.find(std::u16string(name));
        return {RegistryStatus::Ok, found == values.end() ? std::u16string() : found->second};
    }
    RegistryStatus Write(std::u16string_view name, std::u16string_view value) override {
        calls.push_back(u"write " + std::u16string(name) + u"=" + std::u16string(value));
        if (refuseWrites) {
            return RegistryStatus::Refused;
        }
        values[std::u16string(name)] = std::u16string(value);
        return RegistryStatus::Ok;
    }
    RegistryStatus Delete(std::u16string_view name) override {
        calls.push_back(u"delete " + std::u16string(name));
        if (refuseWrites) {
            return RegistryStatus::Refused;
        }
        values.erase(std::u16string(name));
        return RegistryStatus::Ok;
    }
};

} // namespace traxo
