// Process ids through POSIX: a process runs while a null signal can be sent to it (or only permission is missing).
#include "platform/ProcessIdentity.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace jamlog {

namespace {
bool processAlive(int32_t id) {
    return id > 0 && (kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM);
}
} // namespace

ProcessIdentity thisProcess() {
    return {static_cast<int32_t>(getpid()), processAlive};
}

} // namespace jamlog
