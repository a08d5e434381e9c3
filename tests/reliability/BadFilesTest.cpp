#include "app/IniText.h"
#include "app/QtPrinters.h"
#include "app/SafeFile.h"
#include "support/GameFixture.h"

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
#include <random>

namespace {

// What is spoilt at each relative name (split at spaces) before the game starts.
struct Plant {
    // MovedAway moves the entry to `bytes` and leaves a link to it.
    enum Kind { File, Folder, Link, MovedAway, Mode, FullDisk } kind;
    const char* where = "";
    QByteArray bytes = {}; // a file's bytes, where a link points, or an octal mode
};

struct BadFolderCase {
    const char* name;
    Plant plant;
    QString phrase;     // the phrase dealt; "" when there is nothing to play
    const char* report; // part of the one message shown; "" when none is
};

// Stops the whole run, as a hang, when one case takes far too long.
struct Watchdog {
    Watchdog() { ::alarm(60); }
    ~Watchdog() { ::alarm(0); }
};

// Writes beyond a few bytes fail as on a full disk, for as long as it lives.
class DiskFull {
public:
    DiskFull() : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        const rlimit full{64, m_limit.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~DiskFull()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, m_handler);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit m_limit{};
    void (*m_handler)(int);
};

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

void plant(const TempAppFolder& folder, const Plant& plant, int mode)
{
    const std::string target = plant.bytes.toStdString();
    for (const QString& where : QString::fromLatin1(plant.where).split(' ', Qt::SkipEmptyParts)) {
        const std::filesystem::path path(QFile::encodeName(folder.nativeFile(where)).toStdString());
        if (plant.kind == Plant::Mode)
            ::chmod(path.c_str(), static_cast<mode_t>(mode));
        else if (plant.kind == Plant::MovedAway)
            std::filesystem::rename(path, path.parent_path() / target);
        else
            std::filesystem::remove_all(path);
        if (plant.kind == Plant::File)
            folder.write(where, plant.bytes);
        else if (plant.kind == Plant::Folder)
            std::filesystem::create_directory(path);
        else if (plant.kind == Plant::Link || plant.kind == Plant::MovedAway)
            std::filesystem::create_symlink(target, path);
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
    const Watchdog watchdog;
    TempAppFolder folder;
    layShippedFolder(folder);
    plant(folder, badCase.plant, badCase.plant.bytes.toInt(nullptr, 8));
    std::map<QString, QByteArray> expected = snapshot(folder);

    FakePlatform platform;
    QString played;
    {
        std::optional<DiskFull> full;
        if (badCase.plant.kind == Plant::FullDisk)
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
    const QString report = QString::fromUtf8(badCase.report);
    EXPECT_TRUE(report.isEmpty() ? reports.isEmpty()
                                 : reports.size() == 1 && reports[0].contains(report))
        << reports.join(" | ").toStdString();

    const std::map<QString, QByteArray> actual = snapshot(folder);
    // Through a link, the file played is the one it points to.
    const QString playedFile =
        QDir(QFileInfo(folder.path()).canonicalFilePath())
            .relativeFilePath(
                QFileInfo(folder.nativeFile("Categorias/" + played + ".ini")).canonicalFilePath());
    if (!played.isEmpty() && expected.contains(playedFile) && actual.contains(playedFile))
        expected[playedFile] = withGameValues(expected[playedFile], actual.at(playedFile));
    // Names what changed, never the bytes: some files hold megabytes.
    QStringList changed;
    for (const auto& [name, bytes] : expected) {
        if (!actual.contains(name) || actual.at(name) != bytes)
            changed << name;
    }
    for (const auto& entry : actual) {
        if (!expected.contains(entry.first))
            changed << entry.first;
    }
    EXPECT_EQ(changed, QStringList());
    // Gives every place its permissions back, so the folder can go.
    if (badCase.plant.kind == Plant::Mode)
        plant(folder, badCase.plant, 0700);
}

const char* const prueba = "Categorias/Prueba.ini";

QByteArray replaced(QByteArray text, const QByteArray& from, const QByteArray& to)
{
    return text.replace(from, to);
}

} // namespace

// Would catch a crash, a hang or a wrong deal on odd INI text or on a folder,
// a link or a loop where a file should be (a write through it), a write that
// spoils bytes it had no reason to touch (a NUL, a long line, a line end of
// another kind), or a failed write reported as done or more than once.
TEST(BadFiles, OddTextAndWrongShapesNeitherStopTheGameNorLoseBytes)
{
    QByteArray manySections;
    for (int n = 0; n < 100000; ++n)
        manySections += "[S" + QByteArray::number(n) + "]\r\nk=" + QByteArray::number(n) + "\r\n";
    const QString utf16 = QString::fromLatin1(shippedCategory());
    const QByteArray withNuls =
        replaced(replaced(shippedCategory(), "Modo=0", QByteArray("Modo=0\0\0", 8)), "2A=dos",
                 QByteArray("2A=d\0os", 7));
    const QByteArray atTheTop =
        replaced(replaced(replaced(shippedCategory(), "Ganadas=0", "Ganadas=32767"), "Perdidas=0",
                          "Perdidas=abc"),
                 "MaxPunt=0", "MaxPunt=32767");
    const QByteArray longName = "[Config]\r\nCategoria=" + QByteArray(70000, 'z') + "\r\n";
    using enum Plant::Kind;

    const BadFolderCase cases[] = {
        {"random bytes", {File, prueba, randomBytes(4096, 1)}, "", "no tiene frases"},
        {"NUL bytes inside lines", {File, prueba, withNuls}, "UNO", ""},
        {"a 10 MB line",
         {File, prueba,
          replaced(shippedCategory(), "[Est]", "R=" + QByteArray(10 << 20, 'x') + "\r\n[Est]")},
         "UNO",
         ""},
        {"100,000 sections first",
         {File, prueba, manySections + shippedCategory("Cuenta=4")},
         "CINCO",
         ""},
        {"an entry of 70,000 characters",
         {File, prueba, replaced(shippedCategory(), "1A=uno", "1A=" + QByteArray(70000, 'a'))},
         QString(254, 'A'),
         ""},
        {"a category name of 70,000 characters", {File, "datos.ini", longName}, "MAR", ""},
        {"headers without their ]",
         {File, prueba,
          replaced(replaced(shippedCategory("Cuenta=3"), "[Datos]", "[Datos"), "[Contenido]",
                   "[Contenido ")},
         "CUATRO",
         ""},
        {"a UTF-8 byte-order mark",
         {File, prueba, "\xEF\xBB\xBF" + shippedCategory("Cuenta=3")},
         "UNO",
         ""},
        {"UTF-16",
         {File, prueba,
          "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)},
         "",
         "no tiene frases"},
        {"CR-only line ends",
         {File, prueba, replaced(shippedCategory("Cuenta=1"), "\r\n", "\r")},
         "DOS",
         ""},
        {"statistics at the top and not numbers", {File, prueba, atTheTop}, "UNO", ""},
        {"a category that is a folder", {Folder, prueba}, "MAR", ""},
        {"settings that are a folder", {Folder, "datos.ini"}, "MAR", ""},
        {"a Categorias that is a file", {File, "Categorias", "no"}, "", "Categorias"},
        {"a skin folder that is a file", {File, "Skins/Prueba", "no"}, "UNO", ""},
        {"a dangling link", {Link, prueba, "falta.ini"}, "MAR", ""},
        {"a link loop", {Link, prueba, "Prueba.ini"}, "MAR", ""},
        {"a link to a file elsewhere", {MovedAway, prueba, "../Prueba.ini"}, "UNO", ""},
        {"a full disk", {FullDisk}, "UNO", "guardar"},
    };
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);
}

// Would catch an unreadable file taken for an empty one (and written over),
// or a read-only place written anyway or not reported.
TEST(BadFiles, UnreadableAndReadOnlyPlacesAsAnOrdinaryUser)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root; as_ordinary_user.sh runs this as nobody";
    using enum Plant::Kind;
    const BadFolderCase cases[] = {
        {"an unreadable category", {Mode, prueba, "0"}, "MAR", ""},
        {"unreadable settings", {Mode, "datos.ini", "0"}, "MAR", ""},
        {"unreadable skin pieces",
         {Mode, "Skins/Prueba/info.ini Skins/Prueba/0.gif", "0"},
         "UNO",
         ""},
        {"an unreadable Categorias", {Mode, "Categorias", "0"}, "", "Categorias"},
        {"a read-only category", {Mode, prueba, "444"}, "UNO", "guardar"},
        {"a read-only application folder",
         {Mode, "Categorias Skins/Prueba Skins .", "555"},
         "UNO",
         "guardar"},
    };
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);
}
