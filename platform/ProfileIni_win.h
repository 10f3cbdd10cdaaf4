#pragma once
// The ini file through the system's wide-character profile functions, on the file's full path.

#include "platform/IniStore.h"

namespace traxo {

class ProfileIni final : public IniStore {
public:
    explicit ProfileIni(std::filesystem::path file);

    bool Open() override;
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) const override;
    bool WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    bool EraseSection(std::u16string_view section) override;
    std::vector<std::u16string> ReadKeyNames(std::u16string_view section) const override;
    std::filesystem::path FilePath() const override { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace traxo
