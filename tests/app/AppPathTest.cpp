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
    for (const char* file : {"Categorias/Animales.ini", "Datos.ini", "datos.ini"})
        app.write(file, "");
    const std::pair<QString, const char*> cases[] = {
        {app.programPath("CATEGORIAS\\animales.INI"), "Categorias/Animales.ini"},
        {app.path() + "/Categorias/animales.ini", "Categorias/Animales.ini"},
        {app.programPath("datos.ini"), "datos.ini"},
        {app.programPath("Datos.ini"), "Datos.ini"},
        {app.programPath("categorias\\Nueva.ini"), "Categorias/Nueva.ini"},
        {app.programPath("Skins\\azul\\Fondo.GIF"), "Skins/azul/Fondo.GIF"},
        {app.programPath("Categorias\\..\\..\\datos.ini"), nullptr}, // nullptr: refused
        {app.programPath(".\\datos.ini"), nullptr},
        {app.programPath("Categorias\\\\Animales.ini"), nullptr},
        {app.programPath("Categorias\\"), nullptr},
        {"", nullptr},
    };
    for (const auto& [path, expected] : cases) {
        const auto native = QDir::toNativeSeparators(app.nativeFile(expected));
        EXPECT_EQ(nativePath(path), expected ? std::optional(native) : std::nullopt)
            << path.toStdString();
    }
}
