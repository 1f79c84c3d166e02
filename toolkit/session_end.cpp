#include "toolkit/session_end.h"

#include "toolkit/application.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void noteSessionEnd(int)
{
    // write() is async-signal-safe; the byte's value does not matter.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void endProgram()
{
    // Back in the event loop the program ends as from its main window: the
    // windows are destroyed and main() returns 0. Inside a handler (an
    // extraction run, a message box) nothing may wait for it to return.
    if (Application && !Application->InHandler())
        Application->Terminate();
    else
        ::_exit(0);
}

} // namespace

void EndProgramOnSessionEnd()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { endProgram(); });

    struct sigaction action = {};
    action.sa_handler = noteSessionEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
