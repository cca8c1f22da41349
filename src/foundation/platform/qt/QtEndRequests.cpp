#include "platform/qt/QtEndRequests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/Error.h"

namespace talvorin {

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
volatile sig_atomic_t writeEnd = -1;

extern "C" void onEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request: nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t n = ::write(writeEnd, &byte, 1);
    errno = saved;
}

[[noreturn]] void raiseSystemError(const char* what) {
    throw RuntimeError(ErrorCode::InvalidProcedureCall,
                       std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

QtEndRequests::~QtEndRequests() {
    if (fds_[1] < 0) return;
    for (const int signal : kEndSignals) ::signal(signal, SIG_DFL);
    writeEnd = -1;
    notifier_.reset();
    ::close(fds_[0]);
    ::close(fds_[1]);
}

void QtEndRequests::watch(std::function<void()> onEndRequest) {
    onEndRequest_ = std::move(onEndRequest);
    if (fds_[1] >= 0) return;
    if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) raiseSystemError("pipe for end signals");
    writeEnd = fds_[1];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { drain(); });
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals)
        if (::sigaction(signal, &action, nullptr) != 0)
            raiseSystemError("handler for an end signal");
}

void QtEndRequests::drain() {
    char bytes[16];
    while (::read(fds_[0], bytes, sizeof bytes) > 0) {
    }
    if (onEndRequest_) onEndRequest_();
}

}  // namespace talvorin
