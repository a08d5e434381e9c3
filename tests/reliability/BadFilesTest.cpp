#include "app/IniText.h"
#include "app/Module1.h"
#include "app/QtPrinters.h"
#include "app/SafeFile.h"
#include "support/DataFile.h"
#include "support/GameFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace {

// A spoilt application folder: what is planted at each relative name in
// `where` (split at spaces), the phrase dealt ("" when there is nothing to
// play) and part of the one message shown ("" when none is). "moved away"
// moves the entry to `bytes` and leaves a link to it there.
struct BadFolderCase {
    std::string name;
    QByteArray kind; // file, folder, link, moved away, pipe, sparse, mode or full disk
    QString where;
    QByteArray bytes; // a file's bytes, where a link points, megabytes, or an octal mode
    QString phrase;
    QString report;
};

// Writes beyond a few bytes fail as on a full disk, for as long as it lives.
struct DiskFull {
    rlimit before{};
    DiskFull()
    {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing us
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit full{64, before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~DiskFull() { ::setrlimit(RLIMIT_FSIZE, &before); }
};

void plant(const TempAppFolder& folder, const BadFolderCase& plant, int mode)
{
    const std::string target = plant.bytes.toStdString();
    for (const QString& where : plant.where.split(' ', Qt::SkipEmptyParts)) {
        const std::filesystem::path path(QFile::encodeName(folder.nativeFile(where)).toStdString());
        if (plant.kind == "mode")
            ::chmod(path.c_str(), static_cast<mode_t>(mode));
        else if (plant.kind == "moved away")
            std::filesystem::rename(path, path.parent_path() / target);
        else
            std::filesystem::remove_all(path);
        if (plant.kind == "file")
            folder.write(where, plant.bytes);
        else if (plant.kind == "folder")
            std::filesystem::create_directory(path);
        else if (plant.kind == "link" || plant.kind == "moved away")
            std::filesystem::create_symlink(target, path);
        else if (plant.kind == "pipe")
            folder.pipe(where);
        else if (plant.kind == "sparse")
            folder.sparse(where, plant.bytes.toLongLong() << 20);
    }
}

// Every entry of the folder by relative name: a file's bytes, "folder", or
// where a link points; and its mode beside it.
std::map<QString, QByteArray> snapshot(const TempAppFolder& folder)
{
    std::map<QString, QByteArray> entries;
    QDirIterator it(folder.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString name = QDir(folder.path()).relativeFilePath(entry.filePath());
        entries[name + " (mode)"] = QByteArray::number(int(entry.permissions()), 16);
        if (entry.isSymLink())
            entries[name] = "link to " + QFile::encodeName(entry.symLinkTarget());
        else
            entries[name] =
                entry.isDir() ? "folder" : safefile::readAll(entry.filePath()).value_or("?");
    }
    return entries;
}

// The played category's file as it was, but for the values the game keeps there.
QByteArray withGameValues(QByteArray before, const QByteArray& after)
{
    for (const auto& [section, key] : {std::pair{u"Datos", u"Cuenta"},
                                       {u"Est", u"Ganadas"},
                                       {u"Est", u"Perdidas"},
                                       {u"Est", u"MaxPunt"}}) {
        const QString now = ini::readValue(after, section, key);
        if (now != ini::readValue(before, section, key))
            before = ini::writeValue(before, section, key, now).value_or(before);
    }
    return before;
}

// Starts the game in a fresh folder with the case planted, plays three keys
// and a right "Resolver", and closes it; then checks the phrase, the one
// report, and that every entry but the played category's game values is as
// it was.
void playThrough(const BadFolderCase& badCase)
{
    SCOPED_TRACE(badCase.name);
    ::alarm(60); // a hang stops the whole run
    TempAppFolder folder;
    layShippedFolder(folder);
    plant(folder, badCase, badCase.bytes.toInt(nullptr, 8));
    std::map<QString, QByteArray> expected = snapshot(folder);

    FakePlatform platform;
    QString played;
    {
        std::optional<DiskFull> full;
        if (badCase.kind == "full disk")
            full.emplace();
        Form1 form(folder.path(), platform);
        EXPECT_EQ(form.game().phrase(), badCase.phrase);
        // E at no points shows the no-points picture.
        for (const char key : {'S', 'E', 'L'})
            form.Command3(key).click();
        platform.answers.push_back(form.game().phrase());
        form.Command4->click();
        EXPECT_TRUE(form.game().over());
        played = form.game().category();
        form.close();
    }

    QStringList reports = platform.messages;
    reports.removeAll(QStringLiteral("No puedes resolver ahora. :)"));
    EXPECT_TRUE(badCase.report.isEmpty()
                    ? reports.isEmpty()
                    : reports.size() == 1 && reports[0].contains(badCase.report))
        << reports.join(" | ").toStdString();

    std::map<QString, QByteArray> actual = snapshot(folder);
    // Through a link, the file played is the one it points to.
    const QString playedFile =
        QDir(QFileInfo(folder.path()).canonicalFilePath())
            .relativeFilePath(
                QFileInfo(folder.nativeFile("Categorias/" + played + ".ini")).canonicalFilePath());
    if (!played.isEmpty() && expected.contains(playedFile) && actual.contains(playedFile))
        expected[playedFile] = withGameValues(expected[playedFile], actual.at(playedFile));
    // Digests of the longer entries: some files hold megabytes.
    for (std::map<QString, QByteArray>* entries : {&expected, &actual})
        for (auto& [name, bytes] : *entries)
            bytes = bytes.size() > 200
                        ? QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()
                        : bytes;
    EXPECT_EQ(actual, expected);
    // Gives every place its permissions back, so the folder can go.
    if (badCase.kind == "mode")
        plant(folder, badCase, 0700);
    ::alarm(0);
}

// The cases of data/cases.txt, those that change modes or all the others.
std::vector<BadFolderCase> tableCases(bool modes)
{
    std::vector<BadFolderCase> cases;
    for (const QByteArrayList& cells : dataRows("cases.txt")) {
        if ((cells[1] == "mode") == modes)
            cases.push_back({cells[0].toStdString(), cells[1], cells[2],
                             cells[1] == "file" ? dataFile(cells[3]) : cells[3],
                             QString::fromUtf8(cells[4]), QString::fromUtf8(cells[5])});
    }
    return cases;
}

} // namespace

// Would catch a crash, a hang or a wrong deal on odd INI text or on a folder,
// a link or a loop where a file should be (a write through it), a write that
// spoils bytes it had no reason to touch (a NUL, a long line, a line end of
// another kind), or a failed write reported as done or more than once.
TEST(BadFiles, OddTextAndWrongShapesNeitherStopTheGameNorLoseBytes)
{
    std::vector<BadFolderCase> cases = tableCases(false);
    ASSERT_GT(cases.size(), 10u);
    // Too big for files: 100,000 sections first, a 10 MB line and an entry
    // of 70,000 characters in the category; a name of 70,000 in the settings.
    QByteArray huge;
    for (int n = 0; n < 100000; ++n)
        huge += "[S" + QByteArray::number(n) + "]\r\nk=" + QByteArray::number(n) + "\r\n";
    huge += shippedCategory("Cuenta=4", ("R=" + QByteArray(10 << 20, 'x') + "\r\n").constData());
    huge.replace("5A=cinco", "5A=" + QByteArray(70000, 'a'));
    cases.push_back({"huge", "file", "Categorias/Prueba.ini", huge, QString(254, 'A'), ""});
    const QByteArray longName = "[Config]\r\nCategoria=" + QByteArray(70000, 'z') + "\r\n";
    cases.push_back({"a long category name", "file", "datos.ini", longName, "MAR", ""});
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);
}

// Would catch an unreadable file taken for an empty one (and written over),
// or a read-only place written anyway or not reported.
TEST(BadFiles, UnreadableAndReadOnlyPlacesAsAnOrdinaryUser)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root; as_ordinary_user.sh runs this as nobody";
    const std::vector<BadFolderCase> cases = tableCases(true);
    ASSERT_EQ(cases.size(), 6u);
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);

    // A file that cannot be read is never replaced by one holding only the new value.
    TempAppFolder app;
    app.write("solo.ini", "[Datos]\r\nCuenta=3\r\nModo=1\r\n");
    const QByteArray solo = QFile::encodeName(app.nativeFile("solo.ini"));
    ::chmod(solo.constData(), 0200);
    EXPECT_FALSE(EscribirIni(app.programPath("solo.ini"), "Datos", "Cuenta", "4"));
    ::chmod(solo.constData(), 0600);
    EXPECT_EQ(app.read("solo.ini"), "[Datos]\r\nCuenta=3\r\nModo=1\r\n");
}
