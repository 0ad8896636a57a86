#include "banklock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// flock() locks are apart from the byte-range locks SQLite takes on the same file, and the
// descriptor stays open for the lock's lifetime, so SQLite's own locking is not disturbed.
BankLock::BankLock(const QString &path, Kind kind)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return;
    m_held = ::flock(m_fd, (kind == Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0;
}

BankLock::~BankLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
