#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QThread>

namespace testSupport {

// Waits until the process runs in a network namespace other than ours. `unshare --net` makes
// the namespace only after the process has started, and a veth end moved to the process before
// then would stay in our namespace. Making a namespace can take seconds on a busy machine, where
// many are made and torn down at once, hence the generous limit.
inline bool waitForOwnNetworkNamespace(qint64 pid, int timeoutMs = 180000)
{
    const QString ours = QFile::symLinkTarget(QStringLiteral("/proc/self/ns/net"));
    const QString path = QStringLiteral("/proc/%1/ns/net").arg(pid);
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString theirs = QFile::symLinkTarget(path);
        if (!theirs.isEmpty() && theirs != ours)
            return true;
        QThread::msleep(10);
    }
    return false;
}

} // namespace testSupport
