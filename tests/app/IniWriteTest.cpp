#include "QtPrinters.h"
#include "app/Module1.h"
#include "support/TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The whole file after setting one value in a file that held `before`.
QByteArray afterWrite(const QByteArray& before, const QString& section, const QString& key,
                      const QString& value)
{
    TempAppFolder app;
    app.write("datos.ini", before);
    EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), section, key, value));
    return app.read("datos.ini");
}

} // namespace

// Would catch a writer that rewrites, reorders or normalises anything but the
// line of the key it changes.
TEST(IniWrite, OnlyTheKeysOwnLineChanges)
{
    static constexpr char text[] = "; cabecera\n\n[Config]\r\n  skin = Viejo ;x\r\n"
                                   "Categoria=Animales\rOtro=\xFF\x81\0y\n\n[Otra]\r\nskin=no\r\n";
    const QByteArray before(text, sizeof text - 1);

    QByteArray expected = before;
    expected.replace("  skin = Viejo ;x\r\n", "skin=Nuevo\r\n");
    EXPECT_EQ(afterWrite(before, "CONFIG", "SKIN", "Nuevo"), expected);

    expected = before;
    expected.replace("Categoria=Animales\r", "Categoria=Plantas\r");
    EXPECT_EQ(afterWrite(before, "config", "categoria", "Plantas"), expected);
}

// Would catch a new key put at the end of the file, after the comments that
// close its section, or into a later duplicate of the section.
TEST(IniWrite, NewKeyGoesAfterTheLastKeyOfItsSection)
{
    EXPECT_EQ(afterWrite("[Config]\r\nSkin=Azul\r\n\r\n; fin\r\n[Config]\r\nx=1\r\n", "Config",
                         "Categoria", "Animales"),
              "[Config]\r\nSkin=Azul\r\nCategoria=Animales\r\n\r\n; fin\r\n[Config]\r\nx=1\r\n");
    EXPECT_EQ(afterWrite("[Config]\n; nada\n", "Config", "Skin", "Azul"),
              "[Config]\nSkin=Azul\r\n; nada\n");
    EXPECT_EQ(afterWrite("[Config]", "Config", "Skin", "Azul"), "[Config]\r\nSkin=Azul\r\n");
}

// Would catch a new section glued to the last line of the file.
TEST(IniWrite, NewSectionGoesAtTheEndOnItsOwnLine)
{
    EXPECT_EQ(afterWrite("", "Config", "Skin", "Azul"), "[Config]\r\nSkin=Azul\r\n");
    EXPECT_EQ(afterWrite("[A]\r\nk=1", "Config", "Skin", "Azul"),
              "[A]\r\nk=1\r\n[Config]\r\nSkin=Azul\r\n");
    EXPECT_EQ(afterWrite("[A]\nk=1\n", "Config", "Skin", "Azul"),
              "[A]\nk=1\n[Config]\r\nSkin=Azul\r\n");
}

// Would catch a value or a name that adds lines of its own to the file, or
// one that could never be found again, being written.
TEST(IniWrite, TextThatWouldNotReadBackIsRefused)
{
    TempAppFolder app;
    const QByteArray before = "[Config]\r\nSkin=Azul\r\n";
    app.write("datos.ini", before);
    const QString file = app.programPath("datos.ini");

    EXPECT_FALSE(EscribirIni(file, "Config", "Skin", "Rojo\r\n[Config]\r\nCategoria=x"));
    EXPECT_FALSE(EscribirIni(file, "Config", "Skin", "Rojo\nx"));
    EXPECT_FALSE(EscribirIni(file, "Con]fig", "Skin", "Rojo"));
    EXPECT_FALSE(EscribirIni(file, "Config", "Sk=in", "Rojo"));
    EXPECT_FALSE(EscribirIni(file, "Config", "[Skin", "Rojo"));
    EXPECT_FALSE(EscribirIni(file, "Config", " Skin", "Rojo"));
    EXPECT_FALSE(EscribirIni(file, "Config", "Skīn", "Rojo"));
    EXPECT_EQ(app.read("datos.ini"), before);
}

// Would catch "Datos.ini" and "datos.ini" taken for two files, a missing file
// not created as spelled, or a refused path that still creates something.
TEST(IniWrite, OneFileWhateverTheCaseOfItsName)
{
    TempAppFolder app;
    EXPECT_TRUE(EscribirIni(app.programPath("Datos.ini"), "Config", "Skin", "Azul"));
    EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), "Config", "Categoria", "Animales"));
    EXPECT_EQ(LeerIni(app.programPath("DATOS.INI"), "Config", "Skin"), u"Azul");
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Datos.ini"});
    EXPECT_EQ(app.read("Datos.ini"), "[Config]\r\nSkin=Azul\r\nCategoria=Animales\r\n");

    EXPECT_FALSE(EscribirIni(app.programPath("Sub\\..\\Datos.ini"), "Config", "Skin", "Rojo"));
    EXPECT_EQ(LeerIni(app.programPath("Sub\\..\\Datos.ini"), "Config", "Skin"), u"");
    EXPECT_EQ(QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Datos.ini"});
}

// Would catch a new key or section put in the wrong place, or a lookup that
// stops early, in a 10 MB file of 100,000 sections.
TEST(IniWrite, FindsItsPlaceAmongAHundredThousandSections)
{
    TempAppFolder app;
    QByteArray text;
    for (int i = 0; i < 100000; ++i)
        text += "[S" + QByteArray::number(i) + "]\r\nclave=" + QByteArray(80, 'v') + "\r\n";
    app.write("datos.ini", text);
    const QString file = app.programPath("datos.ini");

    EXPECT_TRUE(EscribirIni(file, "s99999", "nueva", "1"));
    EXPECT_TRUE(EscribirIni(file, "Ultima", "clave", "2"));
    EXPECT_EQ(LeerIni(file, "S99999", "NUEVA"), u"1");
    EXPECT_EQ(LeerIni(file, "ultima", "clave"), u"2");
    EXPECT_EQ(app.read("datos.ini").size(), text.size() + 9 + 19);
}
