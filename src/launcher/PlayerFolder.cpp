#include "launcher/PlayerFolder.h"

#include "app/WriterLock.h"

#include <QFile>
#include <QUuid>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace launcher {

namespace {

bool sameContent(const fs::path& a, const fs::path& b)
{
    if (fs::file_size(a) != fs::file_size(b))
        return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second));
}

// Copied under a temporary name and renamed, so a copy cut short by a full disk
// leaves the old file and no part of the new one. The copy keeps the program
// files executable.
void copyWhole(const fs::path& source, const fs::path& target)
{
    fs::create_directories(target.parent_path());
    fs::path partial = target;
    partial += ".part";
    std::error_code failed;
    fs::copy_file(source, partial, fs::copy_options::overwrite_existing, failed);
    if (!failed)
        fs::rename(partial, target, failed);
    if (failed) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        throw fs::filesystem_error("cannot copy", source, target, failed);
    }
}

QString toQString(const fs::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// A hidden folder beside the player's, removed with whatever it holds unless it
// has been renamed into place.
struct StagingFolder {
    explicit StagingFolder(const fs::path& player)
        : path(player.parent_path() / ("." + player.filename().string() + "." +
                                       QUuid::createUuid().toString(QUuid::Id128).toStdString()))
    {
        fs::create_directory(path);
    }
    ~StagingFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    fs::path path;
};

} // namespace

void syncShipped(const fs::path& shipped, const fs::path& player)
{
    const fs::path pristineFolder = player / pristineName;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(shipped)) {
        if (!entry.is_regular_file() || entry.path().filename() == launcherName)
            continue;
        const fs::path relative = entry.path().lexically_relative(shipped);
        const fs::path mine = player / relative;
        const fs::path pristine = pristineFolder / relative;
        const bool copy =
            !fs::exists(mine) || (fs::exists(pristine) && sameContent(mine, pristine) &&
                                  !sameContent(entry.path(), pristine));
        if (copy) {
            copyWhole(entry.path(), pristine);
            copyWhole(entry.path(), mine);
        }
    }
}

void preparePlayerFolder(const fs::path& shipped, const fs::path& player)
{
    fs::create_directories(player.parent_path());
    if (!fs::exists(player)) {
        const StagingFolder staging(player);
        syncShipped(shipped, staging.path);
        std::error_code renamed;
        fs::rename(staging.path, player, renamed);
        if (!renamed)
            return;
        // A start at the same moment may have put its own folder in place first.
        if (!fs::is_directory(player))
            throw fs::filesystem_error("cannot rename", staging.path, player, renamed);
    }
    // Two starts at once take turns. Without the lock (a read-only folder) the
    // files are still compared, and a copy that is needed fails on its own.
    const WriterLock lock(toQString(player / pristineName), std::chrono::seconds(30));
    syncShipped(shipped, player);
}

} // namespace launcher
