#include "link/Os.h"

#include "link/LinkTexts.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <io.h>
#include <stdio.h>
#include <thread>
#include <windows.h>

namespace rv::link::os {

namespace {

std::atomic<bool> stopRequested{false};

void onStopSignal(int) {
    stopRequested = true;
}

} // namespace

bool HasPseudoTerminals() {
    return false;
}

bool PseudoTerminal::open(std::string* error) {
    if (error) *error = NoSimulatedRadioText[rv::English];
    return false;
}

PseudoTerminal::Event PseudoTerminal::wait(std::chrono::nanoseconds, bool) {
    return Event::Failed;
}

long PseudoTerminal::read(std::uint8_t*, std::size_t) {
    return 0;
}

long PseudoTerminal::write(const std::uint8_t*, std::size_t) {
    return -1;
}

void PseudoTerminal::wake() {}

void PseudoTerminal::hangUp() {}

void PseudoTerminal::close() {}

bool RequestLowLatency(std::intptr_t) {
    return false;
}

int AccessErrno(const std::string&) {
    return 0; // a COM port is only known by opening it
}

std::string DeviceGroup(const std::string&) {
    return {};
}

int OpenErrno(const std::string& device, bool* isTerminal) {
    const std::string path = R"(\\.\)" + device;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        if (isTerminal) *isTerminal = true;
        return 0;
    }
    // A COM port that exists but is held by another program answers "access denied".
    const DWORD e = GetLastError();
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? ENOENT : EBUSY;
}

bool PortsAreComNumbers() {
    return true;
}

bool StderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

void HoldStopSignals() {
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

void WaitForStopSignal() {
    while (!stopRequested)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

std::string ExecutableDir() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n == MAX_PATH) return {};
    return std::filesystem::path(path).parent_path().string();
}

} // namespace rv::link::os
