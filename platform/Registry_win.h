#pragma once
// The current user's Run key through the registry API. Every call opens the key (creating it if
// it is missing) and closes it again; a refusal is reported, never thrown.

#include "platform/Registry.h"

namespace traxo {

class RunKeyRegistry final : public StringValueStore {
public:
    RegistryRead Read(std::u16string_view name) override;
    RegistryStatus Write(std::u16string_view name, std::u16string_view value) override;
    RegistryStatus Delete(std::u16string_view name) override;
};

} // namespace traxo
