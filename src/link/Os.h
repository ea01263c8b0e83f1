#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

/// What the programs need from the operating system beyond Qt, all in one place.
/// OsPosix.cpp serves Linux, macOS and the BSDs; OsWindows.cpp serves Windows, which has no
/// pseudo-terminal, so the simulated radio is missing there.
namespace rv::link::os {

/// False where the system has no pseudo-terminals: the simulated radio cannot run there.
bool HasPseudoTerminals();

/// The radio's end of a pseudo-terminal pair (raw, 9600 8N2); the program opens `path()`.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    /// Creates the pair; false with `error` set when the system cannot.
    bool open(std::string* error);
    /// The device the program opens, e.g. /dev/pts/7.
    const std::string& path() const { return path_; }
    bool isOpen() const { return radio_ >= 0; }

    /// What ended a `wait`.
    enum class Event { Input, Writable, Woken, TimedOut, Failed };
    /// Waits at most `timeout` for bytes from the program or a `wake()`, and with
    /// `untilWritable` also for room on the line to write.
    Event wait(std::chrono::nanoseconds timeout, bool untilWritable = false);
    /// Takes what has arrived without waiting; 0 when nothing has.
    long read(std::uint8_t* buffer, std::size_t size);
    /// Sends as much as the line takes now; the count sent, or -1.
    long write(const std::uint8_t* bytes, std::size_t size);
    /// Ends a `wait` in progress in another thread.
    void wake();
    /// Closes both ends, as a pulled cable looks to the program; `wake` still works.
    void hangUp();
    /// Closes everything.
    void close();

private:
    int radio_ = -1;
    int program_ = -1;
    int wake_[2] = {-1, -1};
    std::string path_;
};

/// Asks the driver of an open serial port to hand over received bytes at once instead of
/// holding them for a few milliseconds (USB adapters on Linux). False where there is no
/// such switch or the port refuses.
bool RequestLowLatency(std::intptr_t handle);

/// The error number (EACCES, ENOENT, EBUSY, ...) a plain open of the device meets; 0 when
/// it opens. `isTerminal`, when given, tells whether a device that opened has line settings
/// (/dev/null has none: it is no serial port).
int OpenErrno(const std::string& device, bool* isTerminal = nullptr);

/// Whether the device may be a serial port the user can read and write, without opening it
/// (opening a serial port can reset what is attached to it); 0 or the error number: EISDIR
/// for a folder, ENOTTY for a plain file or a memory device such as /dev/null.
int AccessErrno(const std::string& device);

/// The name of the group that owns the device; empty when the system does not tell.
std::string DeviceGroup(const std::string& device);

/// True where ports are the system's numbered ones (COM1, COM2, ...): port n is COMn.
bool PortsAreComNumbers();

/// True when standard error is a terminal (progress is shown only there).
bool StderrIsTerminal();

/// Holds back Ctrl+C and termination requests from every thread started afterwards, so
/// that `WaitForStopSignal` alone receives them.
void HoldStopSignals();
/// Waits until the user presses Ctrl+C or the program is asked to terminate.
void WaitForStopSignal();

/// The folder of the running executable; empty when the system does not tell.
std::string ExecutableDir();

} // namespace rv::link::os
