#include "app/AppPath.h"
#include "QtPrinters.h"
#include "support/TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

// Would catch a lookup that is strict about case, prefers a twin in another
// case over the exact name, respells names that do not exist, or lets a name
// lead out of the application folder or name a folder instead of a file.
TEST(AppPath, NamesMatchWithoutRegardToCaseInsideTheFolder)
{
    TempAppFolder app;
    app.write("Categorias/Animales.ini", "");
    app.write("Datos.ini", "");
    app.write("datos.ini", "");
    const struct {
        const char* relative;
        const char* expected; // nullptr: refused
    } cases[] = {
        {"CATEGORIAS\\animales.INI", "Categorias/Animales.ini"},
        {"datos.ini", "datos.ini"},
        {"Datos.ini", "Datos.ini"},
        {"categorias\\Nueva.ini", "Categorias/Nueva.ini"},
        {"Skins\\azul\\Fondo.GIF", "Skins/azul/Fondo.GIF"},
        {"..\\datos.ini", nullptr},
        {"Categorias\\..\\..\\datos.ini", nullptr},
        {".\\datos.ini", nullptr},
        {"Categorias\\\\Animales.ini", nullptr},
        {"Categorias\\", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.relative);
        const std::optional<QString> expected =
            c.expected ? std::optional(QDir::toNativeSeparators(app.nativeFile(c.expected)))
                       : std::nullopt;
        EXPECT_EQ(nativePath(app.programPath(c.relative)), expected);
    }
    EXPECT_EQ(nativePath(app.path() + "/Categorias/animales.ini"),
              QDir::toNativeSeparators(app.nativeFile("Categorias/Animales.ini")));
    EXPECT_EQ(nativePath(""), std::nullopt);
    EXPECT_EQ(nativePath("\\"), std::nullopt);
}
