#pragma once
// The system behind action plans: the shell, windows, the workstation lock, the wave-out volume,
// and the file and key-name queries of planning.

#include "actions/ActionExecution.h"

#include <windows.h>

#include <optional>
#include <string>

namespace traxo {

// Opens `file` with the shell's default verb, shown normally, without the shell's own error
// boxes. nullopt when it opened; otherwise the system's reason, in the system's language.
std::optional<std::u16string> OpenWithShellVerb(HWND owner, const std::wstring& file,
                                                const std::wstring& parameters,
                                                const std::wstring& directory);

class WindowsActionSystem final : public SystemActions, public PlanningQueries {
public:
    // owner (the main window) owns what the shell shows; it may be null.
    explicit WindowsActionSystem(HWND owner) : owner_(owner) {}

    std::optional<std::u16string> OpenWithShell(const ShellStep& step) override;
    bool IsWindowVisible(WindowHandle window) override;
    int GetShowState(WindowHandle window) override;
    void PostSysCommand(WindowHandle window, std::uint32_t command) override;
    void LockWorkStation() override;
    bool HasWaveOutDevice() override;
    std::optional<std::uint32_t> ReadWaveOutVolume() override;
    void WriteWaveOutVolume(std::uint32_t volume) override;

    bool FileExists(std::u16string_view fullPath) override;
    std::optional<std::uint8_t> VirtualKeyOfKeyName(std::u16string_view name) override;
    std::u16string WindowsFolder() override;

private:
    HWND owner_;
};

} // namespace traxo
