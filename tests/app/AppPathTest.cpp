#include "app/AppPath.h"
#include "QtPrinters.h"
#include "support/DataFile.h"
#include "support/TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

// Would catch a lookup that is strict about case, prefers a twin in another
// case over the exact name, respells names that do not exist, or lets a name
// lead out of the application folder; and one that reads the folder's own
// name as the game's (a backslash in a Linux folder name, the two that open
// a Windows network share).
TEST(AppPath, NamesMatchWithoutRegardToCaseInsideTheFolder)
{
    TempAppFolder app;
    for (const char* file : {"Categorias/Animales.ini", "Datos.ini", "datos.ini",
                             "juegos\\viejos/Categorias/Animales.ini"})
        app.write(file, "");
    const auto inApp = [&](const QByteArray& name) {
        return name.startsWith('/') ? QString(name)
               : name == "."        ? app.path()
                                    : app.nativeFile(name);
    };
    // Windows itself matches names without regard to case: any spelling is right.
    const auto spelt = [](const std::optional<QString>& path) -> std::optional<QString> {
#ifdef Q_OS_WIN
        return path ? std::optional(path->toLower()) : std::nullopt;
#else
        return path;
#endif
    };
    for (const QByteArrayList& row : dataRows("paths.txt")) {
        const ProgramPath path{inApp(row[0]), row[1]};
        const auto found = row[2].isEmpty()
                               ? std::nullopt
                               : std::optional(QDir::toNativeSeparators(inApp(row[2])));
        EXPECT_EQ(spelt(nativePath(path)), spelt(found)) << row.join(" | ").toStdString();
    }
    EXPECT_EQ(nativePath({}), std::nullopt);
}
