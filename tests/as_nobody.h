// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_AS_NOBODY_H
#define ROVALIN_AS_NOBODY_H

// Permission bits do not stop root. A test that needs them to run as root
// does its work in a child that has become the user nobody, without root's
// supplementary groups: kept, group root would make the child a member of a
// temporary folder's group, which may not look in. What the work returns
// comes back through a pipe.

#include <QByteArray>

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// What _work gave in the child; empty, with _ok false, when the child could
// not become nobody, or died.
inline QByteArray as_nobody(const std::function<QByteArray()> &_work, bool *_ok)
{
    *_ok = false;
    int channel[2];
    if (::pipe(channel) != 0)
        return QByteArray();
    const pid_t child = ::fork();
    if (child == -1)
        return QByteArray();
    if (child == 0) {
        ::close(channel[0]);
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(100);
        const QByteArray said = _work();
        ::_exit(::write(channel[1], said.constData(), size_t(said.size())) == said.size() ? 0
                                                                                          : 100);
    }
    ::close(channel[1]);
    QByteArray said;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, int(got));
    ::close(channel[0]);
    int status = 0;
    *_ok = ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return said;
}

#endif // ROVALIN_AS_NOBODY_H
