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
    const ProgramPath file{PALABRINO_TEST_DATA_DIR, "odd.ini"};
    for (const QByteArrayList& row : dataRows("odd_values.txt")) {
        const QString value = QString::fromUtf8(row[2].sliced(1, row[2].size() - 2));
        EXPECT_EQ(LeerIni(file, row[0], row[1]), QString(value).replace("\\0", QString(QChar(0))))
            << row.join('|').toStdString();
    }
    EXPECT_EQ(LeerIni({PALABRINO_TEST_DATA_DIR, "falta.ini"}, "Config", "Skin"), u"");
}

// Would catch a writer that rewrites, reorders or normalises anything but the
// line of the key it changes, puts a new key at the end of the file, after
// the comments that close its section or into a later duplicate of it, or
// glues a new section to the last line of the file; and one that writes a
// value or a name adding lines of its own or never to be found again (a row
// without a file after it), or that leaves anything beside the file, even
// a new one it refused to write.
TEST(IniWrite, OnlyTheKeysOwnLineChangesAndTextThatWouldNotReadBackIsRefused)
{
    static constexpr char text[] = "; cabecera\n\n[Config]\r\n  skin = Viejo ;x\r\n"
                                   "Categoria=Animales\rOtro=\xFF\x81\0y\n\n[Otra]\r\nskin=no\r\n";
    const QByteArray mixed(text, sizeof text - 1);
    const auto replaced = [&mixed](const char* from, const char* to) {
        return QByteArray(mixed).replace(from, to);
    };
    const QByteArray plain = "[Config]\r\nSkin=Azul\r\n";
    const std::tuple<QByteArray, const char*, const char*, const char*, QByteArray> cases[] = {
        {mixed, "CONFIG", "SKIN", "Azul", replaced("  skin = Viejo ;x\r\n", "skin=Azul\r\n")},
        {mixed, "config", "categoria", "Azul",
         replaced("Categoria=Animales\r", "Categoria=Azul\r")},
        {"[Config]\r\nSkin=Rojo\r\n\r\n; fin\r\n[Config]\r\nx=1\r\n", "Config", "Color", "Azul",
         "[Config]\r\nSkin=Rojo\r\nColor=Azul\r\n\r\n; fin\r\n[Config]\r\nx=1\r\n"},
        {"[Config]\n; nada\n", "Config", "Skin", "Azul", "[Config]\nSkin=Azul\r\n; nada\n"},
        {"[Config]", "Config", "Skin", "Azul", plain},
        {"", "Config", "Skin", "Azul", plain},
        {"[A]\r\nk=1", "Config", "Skin", "Azul", "[A]\r\nk=1\r\n" + plain},
        {"[A]\nk=1\n", "Config", "Skin", "Azul", "[A]\nk=1\n" + plain},
        {plain, "Config", "Skin", "Rojo\r\n[Config]\r\nCategoria=x", {}},
        {plain, "Config", "Skin", "Rojo\nx", {}},
        {plain, "Con]fig", "Skin", "Rojo", {}},
        {plain, "Config", "Sk=in", "Rojo", {}},
        {plain, "Config", "[Skin", "Rojo", {}},
        {plain, "Config", " Skin", "Rojo", {}},
        {plain, "Config", "Skīn", "Rojo", {}},
    };
    TempAppFolder app;
    for (const auto& [before, section, key, value, after] : cases) {
        app.write("Datos.ini", before);
        EXPECT_EQ(EscribirIni(app.programPath("datos.ini"), section, key, value), !after.isNull());
        EXPECT_EQ(app.read("Datos.ini"), after.isNull() ? before : after) << key << " " << value;
    }
    EXPECT_FALSE(EscribirIni(app.programPath("Sub\\..\\datos.ini"), "Config", "Skin", "Rojo"));
    EXPECT_FALSE(EscribirIni(app.programPath("nuevo.ini"), "Config", "Sk=in", "Rojo"));
    EXPECT_EQ(app.read("Datos.ini"), plain);
    EXPECT_EQ(app.entries(), QStringList{"Datos.ini"});
}
