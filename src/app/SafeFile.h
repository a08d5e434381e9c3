#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

// Whole-file reads, and replacements that neither a crash nor a second writer
// can spoil: the file is always either the old one or the new one.
namespace safefile {

// All bytes of the file; no value when it is missing or cannot be read.
std::optional<QByteArray> readAll(const QString& path);

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
