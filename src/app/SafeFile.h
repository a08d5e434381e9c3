#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

// Whole-file reads, and replacements that neither a crash nor a second writer
// can spoil: the file is always either the old one or the new one.
namespace safefile {

// Far beyond any INI file of the game: 32,767 entries of 254 characters
// are under 9 MB.
inline constexpr qint64 maxIniBytes = 16 << 20;

// Why a file gave no bytes. The game takes each as a missing file.
enum class Unread {
    Missing,
    NotAFile, // a folder, a pipe, a device, or a link to one
    TooLarge,
    Unreadable,
};

// Why the file would not be read, judged from its entry alone; no value when
// it would be.
std::optional<Unread> refusal(const QString& path, qint64 maxBytes = maxIniBytes);

struct Contents {
    std::optional<QByteArray> bytes;
    Unread why = Unread::Missing; // when there are no bytes
};

// All bytes of a plain file, or of the one a link points to, of at most
// maxBytes. Opening never waits: nothing but a plain file is opened.
Contents read(const QString& path, qint64 maxBytes = maxIniBytes);
inline std::optional<QByteArray> readAll(const QString& path, qint64 maxBytes = maxIniBytes)
{
    return read(path, maxBytes).bytes;
}

// The new bytes for the current ones (empty for a missing file), or no value
// to leave the file alone.
using Change = std::function<std::optional<QByteArray>(const QByteArray& current)>;

// Under the lock "<path>.lck", held from the read to the rename, writes the
// changed bytes to "<path>.tmp", flushes them to the disk and renames them over
// the file; a link is followed to its file. Returns false, with the file as it
// was and no "<path>.tmp" left, when any step fails.
bool replace(const QString& path, const Change& change,
             std::chrono::milliseconds lockTimeout = std::chrono::seconds(5));

} // namespace safefile
