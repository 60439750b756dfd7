// What the operating system says about how the program was started: its show state and its program file.
#include "startup_info.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace pairfinder {

StartShowState ShowStateFor(int showCommand) {
    constexpr int ShowMaximized = 3;
    constexpr int ShowMinNoActive = 7;
    if (showCommand == ShowMaximized) return StartShowState::Maximised;
    if (showCommand == ShowMinNoActive) return StartShowState::Minimised;
    return StartShowState::Normal;
}

#ifdef _WIN32

int StartupShowCommand() {
    STARTUPINFOW info{};
    info.cb = sizeof(info);
    GetStartupInfoW(&info);
    if ((info.dwFlags & STARTF_USESHOWWINDOW) == 0) return SW_SHOWNORMAL;
    return info.wShowWindow;
}

std::string ProgramFilePath() {
    // The title has always been read as at most 255 characters of the ANSI file name, passed through the
    // OEM-to-ANSI conversion; keep it, so the task bar reads as it did.
    char ansi[256] = {};
    const DWORD length = GetModuleFileNameA(nullptr, ansi, sizeof(ansi));
    if (length == 0) return {};
    OemToCharBuffA(ansi, ansi, length);

    const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(length), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(length), wide.data(), wideLength);
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

bool ProgramFileCarriesIcon() {
    return true;
}

std::string DefaultQtPlatform() {
    return "windows:fontengine=freetype";
}

#else

int StartupShowCommand() {
    return -1;
}

std::string ProgramFilePath() {
    return {};
}

bool ProgramFileCarriesIcon() {
    return false;
}

std::string DefaultQtPlatform() {
    return {};
}

#endif

}  // namespace pairfinder
