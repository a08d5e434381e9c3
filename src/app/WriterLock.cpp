#include "app/WriterLock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <thread>

#ifdef Q_OS_WIN
#include <QLockFile>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::chrono::milliseconds retryPause(5);

} // namespace

#ifdef Q_OS_WIN

// Windows keeps a file open by a dead process from nobody, and QLockFile
// recognises a lock whose process is gone.
struct WriterLock::Holder {
    explicit Holder(const QString& path) : lock(path) {}
    QLockFile lock;
};

WriterLock::WriterLock(const QString& file, std::chrono::milliseconds timeout)
{
    auto holder = std::make_unique<Holder>(file + QStringLiteral(".lck"));
    const QDeadlineTimer deadline(timeout);
    // tryLock(timeout) waits ever longer between attempts, so a writer that
    // locks again at once could starve another: try at a steady pace.
    while (!holder->lock.tryLock(0)) {
        if (holder->lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return;
        std::this_thread::sleep_for(retryPause);
    }
    m_holder = std::move(holder);
}

#else

// An flock on the lock file: the system drops it when its holder dies, so a
// killed writer leaves at most an unlocked file that the next writer takes.
// QLockFile instead leaves lock files that it calls stale only after 30
// seconds when its holder dies at the wrong moment.
struct WriterLock::Holder {
    QByteArray path;
    int fd = -1;

    ~Holder()
    {
        // Removed while still locked, so that no one can take a lock on a file
        // that is no longer the lock file.
        ::unlink(path.constData());
        ::close(fd);
    }
};

namespace {

bool sameFile(int fd, const QByteArray& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

WriterLock::WriterLock(const QString& file, std::chrono::milliseconds timeout)
{
    const QByteArray path = QFile::encodeName(file + QStringLiteral(".lck"));
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return; // a folder that cannot be written
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us may have removed the file we opened.
            if (sameFile(fd, path)) {
                m_holder.reset(new Holder{path, fd});
                return;
            }
            ::close(fd);
            continue;
        }
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        if (!busy || deadline.hasExpired())
            return;
        std::this_thread::sleep_for(retryPause);
    }
}

#endif

WriterLock::~WriterLock() = default;

bool WriterLock::held() const { return m_holder != nullptr; }
