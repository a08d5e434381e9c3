#include "QtPrinters.h"
#include "app/AppPath.h"
#include "support/TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QString native(const TempAppFolder& app, const QString& relative)
{
    return QDir::toNativeSeparators(app.nativeFile(relative));
}

} // namespace

// Would catch a lookup that is strict about case, that prefers a twin in
// another case over the exact name, or that respells names that do not exist.
TEST(AppPath, NamesMatchWithoutRegardToCase)
{
    TempAppFolder app;
    app.write("Categorias/Animales.ini", "");
    app.write("Datos.ini", "");
    app.write("datos.ini", "");

    EXPECT_EQ(nativePath(app.programPath("CATEGORIAS\\animales.INI")),
              native(app, "Categorias/Animales.ini"));
    EXPECT_EQ(nativePath(app.programPath("datos.ini")), native(app, "datos.ini"));
    EXPECT_EQ(nativePath(app.programPath("Datos.ini")), native(app, "Datos.ini"));
    EXPECT_EQ(nativePath(app.programPath("categorias\\Nueva.ini")),
              native(app, "Categorias/Nueva.ini"));
    EXPECT_EQ(nativePath(app.programPath("Skins\\azul\\Fondo.GIF")),
              native(app, "Skins/azul/Fondo.GIF"));
    EXPECT_EQ(nativePath(app.path() + "/Categorias/animales.ini"),
              native(app, "Categorias/Animales.ini"));
}

// Would catch a name that leads out of the application folder or names a
// folder instead of a file.
TEST(AppPath, EmptyDotAndDotDotComponentsAreRefused)
{
    TempAppFolder app;
    app.write("Categorias/Animales.ini", "");
    for (const char* relative : {"..\\datos.ini", "Categorias\\..\\..\\datos.ini",
                                 ".\\datos.ini", "Categorias\\\\Animales.ini", "Categorias\\"})
        EXPECT_EQ(nativePath(app.programPath(relative)), std::nullopt) << relative;
    EXPECT_EQ(nativePath(""), std::nullopt);
    EXPECT_EQ(nativePath("\\"), std::nullopt);
}
