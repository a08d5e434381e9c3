#include "app/AppPath.h"
#include "QtPrinters.h"
#include "support/DataFile.h"
#include "support/TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

// Would catch a lookup that is strict about case, prefers a twin in another
// case over the exact name, respells names that do not exist, or lets a name
// lead out of the application folder or name a folder instead of a file.
TEST(AppPath, NamesMatchWithoutRegardToCaseInsideTheFolder)
{
    TempAppFolder app;
    for (const char* file : {"Categorias/Animales.ini", "Datos.ini", "datos.ini"})
        app.write(file, "");
    for (const QByteArrayList& row : dataRows("paths.txt")) {
        const QString path = row[0].startsWith('/') ? app.path() + row[0] : app.programPath(row[0]);
        const QString native = QDir::toNativeSeparators(app.nativeFile(row[1]));
        EXPECT_EQ(nativePath(path), row[1].isEmpty() ? std::nullopt : std::optional(native))
            << path.toStdString();
    }
    EXPECT_EQ(nativePath(""), std::nullopt);
}
