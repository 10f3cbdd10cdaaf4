#include "Cli.h"
#include "platform/Utf8.h"

#include <iostream>
#include <string>
#include <vector>

// The commands take their words as UTF-8. Windows hands a program its command line in UTF-16
// (wmain); the 8-bit form would lose what the code page cannot hold.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view word = argv[i];
        args.push_back(traxo::Utf16ToUtf8(
            std::u16string_view(reinterpret_cast<const char16_t*>(word.data()), word.size())));
    }
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    std::ios::sync_with_stdio(false);
    return traxo::cli::Run(args, {std::cin, std::cout, std::cerr});
}
