#include "app/SafeFile.h"

#include "app/WriterLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>
#include <thread>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace safefile {
namespace {

// Windows refuses to open or replace a file for a moment while another
// process has it open without sharing it that way: readers and writers of two
// running copies of the game meet so. Such a step is tried again for a while.
template <typename Step> bool withRetries(Step step)
{
#ifdef Q_OS_WIN
    const QDeadlineTimer deadline(std::chrono::seconds(2));
    while (!step()) {
        if (deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
#else
    return step();
#endif
}

bool flushToDisk(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// The temporary copy; it is removed unless it was moved into place.
class PendingFile {
public:
    explicit PendingFile(const QString& path) : m_file(path) {}
    ~PendingFile()
    {
        if (m_placed)
            return;
        // After a failed write (a full disk) close() fails to flush as well,
        // and QFile::remove() then keeps the file: remove it by name.
        m_file.close();
        QFile::remove(m_file.fileName());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool write(const QByteArray& bytes, QFileDevice::Permissions permissions)
    {
        // Only a writer that was killed can have left one behind: the lock is ours.
        QFile::remove(m_file.fileName());
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            m_file.write(bytes) != bytes.size() || !flushToDisk(m_file))
            return false;
        m_file.close();
        return m_file.error() == QFileDevice::NoError &&
               (permissions == 0 || m_file.setPermissions(permissions));
    }

    bool moveOver(const QString& target)
    {
        m_placed = withRetries([&] {
            std::error_code error;
            std::filesystem::rename(m_file.filesystemFileName(), QFile(target).filesystemFileName(),
                                    error);
            return !error;
        });
        return m_placed;
    }

private:
    QFile m_file;
    bool m_placed = false;
};

#ifndef Q_OS_WIN
class FolderHandle {
public:
    explicit FolderHandle(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY))
    {
    }
    ~FolderHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    void sync() const
    {
        if (m_fd >= 0)
            ::fsync(m_fd);
    }

private:
    int m_fd;
};
#endif

// The rename is only lasting once the folder entry is on the disk too. It has
// already happened, so a folder that cannot be synced does not undo the write.
void syncFolder([[maybe_unused]] const QString& path)
{
#ifndef Q_OS_WIN
    FolderHandle(QFileInfo(path).absolutePath()).sync();
#endif
}

// Opens for reading what was found to be a plain file. Should a pipe have
// taken its place since, opening it neither waits for a writer nor reads it.
bool openPlainFile(QFile& file, const QString& path)
{
#ifdef Q_OS_WIN
    file.setFileName(path);
    return withRetries([&] { return file.open(QIODevice::ReadOnly); });
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    struct stat opened {};
    return ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
#endif
}

} // namespace

std::optional<Unread> refusal(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Unread::Missing;
    if (!info.isFile())
        return Unread::NotAFile;
    if (info.size() > maxBytes)
        return Unread::TooLarge;
    if (!info.isReadable())
        return Unread::Unreadable;
    return std::nullopt;
}

Contents read(const QString& path, qint64 maxBytes)
{
    if (const std::optional<Unread> why = refusal(path, maxBytes))
        return {std::nullopt, *why};
    QFile file;
    if (!openPlainFile(file, path))
        return {std::nullopt, Unread::Unreadable};
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, Unread::Unreadable};
    if (bytes.size() > maxBytes)
        return {std::nullopt, Unread::TooLarge};
    return {std::move(bytes), {}};
}

bool replace(const QString& link, const Change& change, std::chrono::milliseconds lockTimeout)
{
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo named(link);
    const QString path = named.isSymLink() && named.exists() ? named.canonicalFilePath() : link;
    const WriterLock lock(path, lockTimeout);
    if (!lock.held())
        return false;

    const QFileInfo info(path);
    const std::optional<QByteArray> current = readAll(path);
    // A file that is there but cannot be read must not become an empty one, and
    // a read-only file stays as it is, as on Windows.
    if (info.exists() && (!current || !info.isWritable()))
        return false;
    const std::optional<QByteArray> replacement = change(current.value_or(QByteArray()));
    if (!replacement)
        return false;

    PendingFile pending(path + QStringLiteral(".tmp"));
    if (!pending.write(*replacement,
                       info.exists() ? info.permissions() : QFileDevice::Permissions()) ||
        !pending.moveOver(path))
        return false;
    syncFolder(path);
    return true;
}

} // namespace safefile
