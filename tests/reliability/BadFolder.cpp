#include "reliability/BadFolder.h"

#include "app/Form1.h"
#include "app/IniText.h"
#include "app/QtPrinters.h"
#include "app/SafeFile.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

namespace {

// Aborts the whole run, naming the case, when one takes far too long: a hang.
class Watchdog {
public:
    explicit Watchdog(std::string what)
        : m_thread([what = std::move(what)](std::stop_token stop) {
              std::mutex mutex;
              std::unique_lock lock(mutex);
              if (!std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(60),
                                                          [&] { return stop.stop_requested(); })) {
                  std::fprintf(stderr, "hung: %s\n", what.c_str());
                  std::abort();
              }
          })
    {
    }

private:
    std::jthread m_thread;
};

// Writes beyond a few bytes fail as on a full disk, for as long as it lives.
class FullDisk {
public:
    FullDisk() : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit full = m_limit;
        full.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_limit{};
    void (*m_handler)(int);
};

// Every entry of the folder, by relative name: a file's bytes, a folder, or
// where a link points; and its mode beside it.
using Snapshot = std::map<QString, QByteArray>;

Snapshot snapshot(const TempAppFolder& folder)
{
    Snapshot entries;
    const QDir root(folder.path());
    QDirIterator it(folder.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString name = root.relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            entries[name] = "link to " +
                            QByteArray::fromStdString(
                                std::filesystem::read_symlink(entry.filesystemFilePath()).string());
        else if (entry.isDir())
            entries[name] = "folder";
        else
            entries[name] = safefile::readAll(entry.filePath()).value_or("unreadable");
        entries[name + " (mode)"] = QByteArray::number(int(entry.permissions()), 16);
    }
    return entries;
}

// What the category played must hold: its file as it was, but for the values
// the game keeps there.
QByteArray withGameValues(const QByteArray& before, const QByteArray& after)
{
    QByteArray expected = before;
    for (const auto& [section, key] : {std::pair{"Datos", "Cuenta"},
                                       {"Est", "Ganadas"},
                                       {"Est", "Perdidas"},
                                       {"Est", "MaxPunt"}}) {
        const QString now =
            ini::readValue(after, QString::fromLatin1(section), QString::fromLatin1(key));
        if (now != ini::readValue(before, QString::fromLatin1(section), QString::fromLatin1(key)))
            expected = ini::writeValue(expected, QString::fromLatin1(section),
                                       QString::fromLatin1(key), now)
                           .value_or(expected);
    }
    return expected;
}

// Names what changed, never the bytes: some files hold megabytes.
void expectSameEntries(const Snapshot& expected, const Snapshot& actual)
{
    EXPECT_EQ(actual.size(), expected.size());
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        EXPECT_TRUE(found != actual.end() && found->second == bytes)
            << name.toStdString() << " changed or went";
    }
}

// Gives every folder and file its permissions back, so the folder can go.
void makeRemovable(const TempAppFolder& folder)
{
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDirIterator it(folder.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (!entry.isSymLink())
            ::chmod(QFile::encodeName(entry.filePath()).constData(), entry.isDir() ? 0700 : 0600);
    }
}

// Gives the permissions back when the case ends, however it ends.
class RemovableAtEnd {
public:
    explicit RemovableAtEnd(const TempAppFolder& folder) : m_folder(folder) {}
    ~RemovableAtEnd() { makeRemovable(m_folder); }
    RemovableAtEnd(const RemovableAtEnd&) = delete;
    RemovableAtEnd& operator=(const RemovableAtEnd&) = delete;

private:
    const TempAppFolder& m_folder;
};

void removeEntry(const TempAppFolder& folder, const QString& relative)
{
    const QString path = folder.nativeFile(relative);
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(path).toStdString(), ignored);
    QDir().mkpath(QFileInfo(path).path());
}

} // namespace

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

void plantFolder(const TempAppFolder& folder, const QString& relative)
{
    removeEntry(folder, relative);
    QDir().mkpath(folder.nativeFile(relative));
}

void plantFile(const TempAppFolder& folder, const QString& relative, const QByteArray& bytes)
{
    removeEntry(folder, relative);
    folder.write(relative, bytes);
}

void plantLink(const TempAppFolder& folder, const QString& relative, const QString& target)
{
    removeEntry(folder, relative);
    std::filesystem::create_symlink(target.toStdString(),
                                    QFile::encodeName(folder.nativeFile(relative)).toStdString());
}

void setMode(const TempAppFolder& folder, const QString& relative, int mode)
{
    ::chmod(QFile::encodeName(folder.nativeFile(relative)).constData(), static_cast<mode_t>(mode));
}

void playThrough(const BadFolderCase& badCase)
{
    SCOPED_TRACE(badCase.name);
    const Watchdog watchdog(badCase.name);
    TempAppFolder folder;
    const RemovableAtEnd removable(folder);
    layShippedFolder(folder);
    badCase.plant(folder);
    Snapshot expected = snapshot(folder);

    FakePlatform platform;
    QString played;
    {
        std::optional<FullDisk> full;
        if (badCase.fullDisk)
            full.emplace();
        Form1 form(folder.path(), platform);
        EXPECT_EQ(form.palabra(), badCase.phrase);
        // E at no points shows the no-points picture.
        for (const char key : {'S', 'E', 'L'})
            form.Command3(key).click();
        platform.answers.push_back(form.palabra());
        form.Command4->click();
        EXPECT_TRUE(form.terminada());
        played = form.categoriaActual();
        form.close();
    }

    QStringList reports;
    for (const FakePlatform::Message& message : platform.messages) {
        if (message.text != u"No puedes resolver ahora. :)")
            reports << message.text;
    }
    if (*badCase.report) {
        ASSERT_EQ(reports.size(), 1) << reports.join(" | ").toStdString();
        EXPECT_TRUE(reports[0].contains(QString::fromUtf8(badCase.report)))
            << reports[0].toStdString();
    } else {
        EXPECT_EQ(reports, QStringList());
    }

    const Snapshot actual = snapshot(folder);
    // Through a link, the file played is the one it points to.
    const QString playedFile =
        QDir(QFileInfo(folder.path()).canonicalFilePath())
            .relativeFilePath(
                QFileInfo(folder.nativeFile("Categorias/" + played + ".ini")).canonicalFilePath());
    if (!played.isEmpty() && expected.contains(playedFile) && actual.contains(playedFile))
        expected[playedFile] = withGameValues(expected[playedFile], actual.at(playedFile));
    expectSameEntries(expected, actual);
}
