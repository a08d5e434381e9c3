#include "app/WriterLock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <thread>

#ifdef Q_OS_WIN
#include <QDir>

#include <string>

#include <windows.h>
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

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Leaves GetLastError() as CreateFileW set it.
FileHandle openShared(const std::wstring& path, DWORD access, DWORD disposition)
{
    const HANDLE handle = ::CreateFileW(path.c_str(), access, shareAll, nullptr, disposition,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool sameFile(HANDLE opened, const std::wstring& path)
{
    const FileHandle named = openShared(path, 0, OPEN_EXISTING);
    BY_HANDLE_FILE_INFORMATION openedInfo{};
    BY_HANDLE_FILE_INFORMATION namedInfo{};
    return named && ::GetFileInformationByHandle(opened, &openedInfo) &&
           ::GetFileInformationByHandle(named.get(), &namedInfo) &&
           openedInfo.dwVolumeSerialNumber == namedInfo.dwVolumeSerialNumber &&
           openedInfo.nFileIndexHigh == namedInfo.nFileIndexHigh &&
           openedInfo.nFileIndexLow == namedInfo.nFileIndexLow;
}

// A lock file that is being removed refuses to be opened until its last
// handle closes, and one opened without sharing (by an older copy of the game)
// until it is closed: both are waited for. A folder that cannot be written is
// not.
bool openIsBusy(DWORD error, const std::wstring& path)
{
    if (error == ERROR_SHARING_VIOLATION)
        return true;
    return error == ERROR_ACCESS_DENIED &&
           (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ||
            ::GetLastError() == ERROR_ACCESS_DENIED);
}

} // namespace

// A LockFileEx lock on the lock file: Windows drops it when its holder dies,
// so a killed writer leaves at most an unlocked file that the next writer
// takes. QLockFile instead takes the file of a writer killed before it wrote
// its process id, or one naming an id in use again, for a held lock until it
// is 30 seconds old.
struct WriterLock::Holder {
    std::wstring path;
    FileHandle file;

    ~Holder()
    {
        // Removed while still locked, so that no one can take a lock on a file
        // that is no longer the lock file.
        ::DeleteFileW(path.c_str());
        OVERLAPPED start{};
        ::UnlockFileEx(file.get(), 0, 1, 0, &start);
    }
};

WriterLock::WriterLock(const QString& file, std::chrono::milliseconds timeout)
{
    const std::wstring path =
        QDir::toNativeSeparators(file + QStringLiteral(".lck")).toStdWString();
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        FileHandle lockFile = openShared(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
        if (!lockFile) {
            if (!openIsBusy(::GetLastError(), path) || deadline.hasExpired())
                return;
            std::this_thread::sleep_for(retryPause);
            continue;
        }
        OVERLAPPED start{};
        if (::LockFileEx(lockFile.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                         0, &start)) {
            // The holder before us may have removed the file we opened.
            if (sameFile(lockFile.get(), path)) {
                m_holder.reset(new Holder{path, std::move(lockFile)});
                return;
            }
            continue;
        }
        if (::GetLastError() != ERROR_LOCK_VIOLATION || deadline.hasExpired())
            return;
        std::this_thread::sleep_for(retryPause);
    }
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
