#include "QtPrinters.h"
#include "app/Module1.h"
#include "support/DataFile.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

#include <tuple>

// Would catch a reader stricter than Windows about case, blanks, quotes and
// comments, one that loses blanks inside a value, takes a "[" inside a value
// for a section header, takes a later duplicate, needs the closing "]", knows
// only one kind of line end, stops at a NUL byte, or gives back more than
// 254 characters of a value.
TEST(IniRead, FindsValuesAsWindowsDoes)
{
    const QString file = PALABRINO_TEST_DATA_DIR "/odd.ini";
    for (const QByteArrayList& row : dataRows("odd_values.txt")) {
        const QString value = QString::fromUtf8(row[2].sliced(1, row[2].size() - 2));
        EXPECT_EQ(LeerIni(file, row[0], row[1]), QString(value).replace("\\0", QString(QChar(0))))
            << row.join('|').toStdString();
    }
    EXPECT_EQ(LeerIni(file + "falta", "Config", "Skin"), u"");
}

// Would catch a writer that rewrites, reorders or normalises anything but the
// line of the key it changes, puts a new key at the end of the file, after
// the comments that close its section or into a later duplicate of it, or
// glues a new section to the last line of the file.
TEST(IniWrite, OnlyTheKeysOwnLineChangesAndNewOnesGoWhereTheyBelong)
{
    static constexpr char text[] = "; cabecera\n\n[Config]\r\n  skin = Viejo ;x\r\n"
                                   "Categoria=Animales\rOtro=\xFF\x81\0y\n\n[Otra]\r\nskin=no\r\n";
    const QByteArray mixed(text, sizeof text - 1);
    const auto replaced = [&mixed](const char* from, const char* to) {
        return QByteArray(mixed).replace(from, to);
    };
    const std::tuple<QByteArray, const char*, const char*, QByteArray> cases[] = {
        {mixed, "CONFIG", "SKIN", replaced("  skin = Viejo ;x\r\n", "skin=Azul\r\n")},
        {mixed, "config", "categoria", replaced("Categoria=Animales\r", "Categoria=Azul\r")},
        {"[Config]\r\nSkin=Rojo\r\n\r\n; fin\r\n[Config]\r\nx=1\r\n", "Config", "Color",
         "[Config]\r\nSkin=Rojo\r\nColor=Azul\r\n\r\n; fin\r\n[Config]\r\nx=1\r\n"},
        {"[Config]\n; nada\n", "Config", "Skin", "[Config]\nSkin=Azul\r\n; nada\n"},
        {"[Config]", "Config", "Skin", "[Config]\r\nSkin=Azul\r\n"},
        {"", "Config", "Skin", "[Config]\r\nSkin=Azul\r\n"},
        {"[A]\r\nk=1", "Config", "Skin", "[A]\r\nk=1\r\n[Config]\r\nSkin=Azul\r\n"},
        {"[A]\nk=1\n", "Config", "Skin", "[A]\nk=1\n[Config]\r\nSkin=Azul\r\n"},
    };
    TempAppFolder app;
    for (const auto& [before, section, key, after] : cases) {
        app.write("Datos.ini", before);
        EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), section, key, "Azul"));
        EXPECT_EQ(app.read("Datos.ini"), after) << before.toStdString();
    }
}

// Would catch a value or a name that adds lines of its own to the file, or
// one that could never be found again, being written, or a refused path
// that still creates something.
TEST(IniWrite, TextThatWouldNotReadBackIsRefused)
{
    TempAppFolder app;
    const QByteArray before = "[Config]\r\nSkin=Azul\r\n";
    app.write("datos.ini", before);
    const QString file = app.programPath("datos.ini");
    const char* const cases[][3] = {
        {"Config", "Skin", "Rojo\r\n[Config]\r\nCategoria=x"},
        {"Config", "Skin", "Rojo\nx"},
        {"Con]fig", "Skin", "Rojo"},
        {"Config", "Sk=in", "Rojo"},
        {"Config", "[Skin", "Rojo"},
        {"Config", " Skin", "Rojo"},
        {"Config", "Skīn", "Rojo"},
    };
    for (const auto& [section, key, value] : cases)
        EXPECT_FALSE(EscribirIni(file, section, key, value)) << key;
    EXPECT_FALSE(EscribirIni(app.programPath("Sub\\..\\datos.ini"), "Config", "Skin", "Rojo"));
    EXPECT_EQ(app.read("datos.ini"), before);
    EXPECT_EQ(app.entries(), QStringList{"datos.ini"});
}
