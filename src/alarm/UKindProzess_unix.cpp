// The child's group on Unix: a process group of its own, led by the
// program; descriptors other than 0, 1 and 2 are closed when it executes; on
// Linux it is killed when this program dies.
#include "alarm/UKindProzess.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <unistd.h>

#if defined(__linux__)
#include <sys/prctl.h>
#include <sys/syscall.h>
#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif
#endif

namespace {

// Every descriptor from 3 up is marked to close when the child executes its
// program. Runs in the child between fork and exec: only calls that are safe
// there. Those marked already (among them QProcess's own pipe, which tells it
// whether the program started) stay open until then.
void BeimStartSchliessen() {
#if defined(__linux__) && defined(SYS_close_range)
    if (::syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
#endif
    int grenze = 1024;
    rlimit r{};
    if (::getrlimit(RLIMIT_NOFILE, &r) == 0 && r.rlim_cur != RLIM_INFINITY)
        grenze = static_cast<int>(std::min<rlim_t>(r.rlim_cur, 1 << 20));
    for (int fd = 3; fd < grenze; ++fd) {
        const int flags = ::fcntl(fd, F_GETFD);
        if (flags >= 0 && (flags & FD_CLOEXEC) == 0)
            ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

} // namespace

struct TKindProzess::tPlattform {
    pid_t Gruppe = 0;     // the program's process id, which leads its group
    bool Beendet = false; // ended whole while the program ran
};

TKindProzess::TKindProzess(QObject *parent) : QProcess(parent), m_p(std::make_unique<tPlattform>()) {
}

TKindProzess::~TKindProzess() {
    GruppeBeenden();
    if (state() != QProcess::NotRunning)
        waitForFinished(2000);
}

void TKindProzess::Starte() {
    const pid_t eltern = ::getpid();
    setChildProcessModifier([eltern] {
        ::setpgid(0, 0);
#if defined(__linux__)
        // The death signal comes when the thread that started the child ends:
        // the user-interface thread, which lives as long as the program.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != eltern)
            ::_exit(127); // the program died before the signal was set
#endif
        BeimStartSchliessen();
    });
    start();
    const auto pid = static_cast<pid_t>(processId());
    if (pid > 0) {
        // Also from this side, so that the group stands before start() returns
        // (the child may not have come so far yet; once it executes, this fails harmlessly).
        ::setpgid(pid, pid);
        m_p->Gruppe = pid;
    }
}

bool TKindProzess::GruppeBeenden() {
    const pid_t gruppe = m_p->Gruppe;
    bool lief = false;
    if (state() != QProcess::NotRunning) {
        lief = true;
        m_p->Beendet = true;
        kill(); // the program itself, also should its group not have come about
    }
    // (a group ended before may still hold processes that have not been reaped)
    if (gruppe > 0 && ::kill(-gruppe, SIGKILL) == 0 && !m_p->Beendet)
        lief = true;
    // Once the program is gone and its group ended, the number is no longer
    // its own: it is never signalled again.
    if (state() == QProcess::NotRunning)
        m_p->Gruppe = 0;
    return lief;
}
