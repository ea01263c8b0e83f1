#include "link/Os.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#if __has_include(<pty.h>)
#include <pty.h>
#else
#include <util.h>
#endif
#if __has_include(<linux/serial.h>)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif
#if __has_include(<mach-o/dyld.h>)
#include <mach-o/dyld.h>
#endif

namespace rv::link::os {

namespace {

bool makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    t.c_cflag |= CSTOPB | CLOCAL | CREAD;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

} // namespace

bool HasPseudoTerminals() {
    return true;
}

bool PseudoTerminal::open(std::string* error) {
    char name[256] = {};
    if (openpty(&radio_, &program_, name, nullptr, nullptr) != 0 || !makeRaw(program_) ||
        pipe(wake_) != 0) {
        if (error) *error = std::string("Cannot create a pseudo-terminal: ") + std::strerror(errno);
        close();
        return false;
    }
    fcntl(radio_, F_SETFL, fcntl(radio_, F_GETFL) | O_NONBLOCK);
    path_ = name;
    return true;
}

PseudoTerminal::Event PseudoTerminal::wait(std::chrono::nanoseconds timeout, bool untilWritable) {
    if (timeout.count() < 0) timeout = std::chrono::nanoseconds{0};
    const timespec ts{static_cast<time_t>(timeout.count() / 1'000'000'000),
                      static_cast<long>(timeout.count() % 1'000'000'000)};
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(radio_, &ready);
    FD_SET(wake_[0], &ready);
    fd_set writable;
    FD_ZERO(&writable);
    if (untilWritable) FD_SET(radio_, &writable);
    const int n = pselect(std::max(radio_, wake_[0]) + 1, &ready, &writable, nullptr, &ts, nullptr);
    if (n < 0) return errno == EINTR ? Event::TimedOut : Event::Failed;
    if (n == 0) return Event::TimedOut;
    if (FD_ISSET(radio_, &ready)) return Event::Input;
    return FD_ISSET(wake_[0], &ready) ? Event::Woken : Event::Writable;
}

long PseudoTerminal::read(std::uint8_t* buffer, std::size_t size) {
    const auto n = ::read(radio_, buffer, size);
    return n < 0 ? 0 : static_cast<long>(n);
}

long PseudoTerminal::write(const std::uint8_t* bytes, std::size_t size) {
    return static_cast<long>(::write(radio_, bytes, size));
}

void PseudoTerminal::wake() {
    if (wake_[1] < 0) return;
    const char c = 'x';
    [[maybe_unused]] auto n = ::write(wake_[1], &c, 1);
}

void PseudoTerminal::hangUp() {
    closeFd(radio_);
    closeFd(program_);
}

void PseudoTerminal::close() {
    hangUp();
    closeFd(wake_[0]);
    closeFd(wake_[1]);
}

bool RequestLowLatency(std::intptr_t handle) {
#if __has_include(<linux/serial.h>)
    const int fd = static_cast<int>(handle);
    serial_struct ss{};
    if (fd < 0 || ioctl(fd, TIOCGSERIAL, &ss) != 0) return false;
    if (ss.flags & ASYNC_LOW_LATENCY) return true;
    ss.flags |= ASYNC_LOW_LATENCY;
    return ioctl(fd, TIOCSSERIAL, &ss) == 0;
#else
    (void)handle;
    return false;
#endif
}

int OpenErrno(const std::string& device, bool* isTerminal) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return errno;
    if (isTerminal) *isTerminal = ::isatty(fd) != 0;
    ::close(fd);
    return 0;
}

int AccessErrno(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    // A plain file, or a memory device such as /dev/null or /dev/zero, is no serial port.
    if (!S_ISCHR(st.st_mode) || major(st.st_rdev) == 1) return ENOTTY;
    return ::access(device.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
}

std::string DeviceGroup(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? std::string(g->gr_name) : std::string();
}

bool PortsAreComNumbers() {
    return false;
}

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

void HoldStopSignals() {
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void WaitForStopSignal() {
    const sigset_t set = stopSignals();
    int signal = 0;
    sigwait(&set, &signal);
}

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return exe.parent_path().string();
#if __has_include(<mach-o/dyld.h>)
    char path[4096];
    std::uint32_t size = sizeof path;
    if (_NSGetExecutablePath(path, &size) == 0)
        return std::filesystem::weakly_canonical(path, ec).parent_path().string();
#endif
    return {};
}

} // namespace rv::link::os
