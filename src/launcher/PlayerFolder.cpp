#include "launcher/PlayerFolder.h"

#include "app/WriterLock.h"
#include "launcher/ShippedCopy.h"

#include <QFile>
#include <QUuid>

namespace fs = std::filesystem;

namespace launcher {

namespace {

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

void preparePlayerFolder(const fs::path& shipped, const fs::path& player)
{
    fs::create_directories(player.parent_path());
    if (!fs::exists(player)) {
        const StagingFolder staging(player);
        syncShipped(shipped, staging.path, {launcherName});
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
    syncShipped(shipped, player, {launcherName});
}

} // namespace launcher
