#include "QtPrinters.h"
#include "app/Cp1252.h"
#include "app/Module1.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

// Would catch a reader stricter than Windows about case, blanks, quotes and
// comments, one that loses blanks inside a value, or one that takes a "["
// inside a value for a section header.
TEST(IniRead, FindsValuesAsWindowsDoes)
{
    TempAppFolder app;
    app.write("datos.ini", cp1252::encode(u"Skin=antes de toda sección\r\n"
                                          u"; [Config] comentario\r\n"
                                          u"  [ config ]  texto tras el corchete\r\n"
                                          u"\tSKIN\t=  Clásico  azul \t\r\n"
                                          u"Dobles = \"  entre comillas  \"\r\n"
                                          u"Simples='x'\r\n"
                                          u"Mezcladas=\"x'\r\n"
                                          u"Anidadas=\"\"x\"\"\r\n"
                                          u"PuntoYComa = a;b\r\n"
                                          u" ;Comentada=1\r\n"
                                          u"sin signo igual\r\n"
                                          u"Corchete = [Otra]\r\n"
                                          u"Ñandú=ave\r\n"));
    const QString file = app.programPath("datos.ini");

    EXPECT_EQ(LeerIni(file, "Config", "Skin"), u"Clásico  azul");
    EXPECT_EQ(LeerIni(file, "CONFIG", "dobles"), u"  entre comillas  ");
    EXPECT_EQ(LeerIni(file, "Config", "Simples"), u"x");
    EXPECT_EQ(LeerIni(file, "Config", "Mezcladas"), u"\"x'");
    EXPECT_EQ(LeerIni(file, "Config", "Anidadas"), u"\"x\"");
    EXPECT_EQ(LeerIni(file, "Config", "PuntoYComa"), u"a;b");
    EXPECT_EQ(LeerIni(file, "Config", ";Comentada"), u"");
    EXPECT_EQ(LeerIni(file, "Config", "sin signo igual"), u"");
    EXPECT_EQ(LeerIni(file, "Config", "ñANDÚ"), u"ave");
    EXPECT_EQ(LeerIni(file, "", "Skin"), u"");
    EXPECT_EQ(LeerIni(file, "Config", "corchete"), u"[Otra]");
    EXPECT_EQ(LeerIni(file, "Otra", "Ñandú"), u"");
    EXPECT_EQ(LeerIni(app.programPath("falta.ini"), "Config", "Skin"), u"");
}

// Would catch a reader that takes a later duplicate, needs the closing "]",
// knows only one kind of line end, or stops at a NUL byte.
TEST(IniRead, FirstDuplicateWinsAndOddBytesDoNotStopTheReader)
{
    TempAppFolder app;
    static constexpr char text[] = "[A]\rk=1\r\rk=2\n[a]\nk=3\nj=4\r\n"
                                   "[B  \r\nk=\0x\r\n[C] ignorado\0\r\nk=5";
    app.write("datos.ini", QByteArray(text, sizeof text - 1));
    const QString file = app.programPath("datos.ini");

    EXPECT_EQ(LeerIni(file, "A", "k"), u"1");
    EXPECT_EQ(LeerIni(file, "A", "j"), u"");
    EXPECT_EQ(LeerIni(file, "B", "k"), QString(QChar(0)) + 'x');
    EXPECT_EQ(LeerIni(file, "C", "k"), u"5");
}

// Would catch a character of the code page lost or changed between a write
// and a read, or a value cut anywhere but after 254 characters. Line breaks
// end a value, so they are left out.
TEST(IniRead, ValuesComeBackAsWrittenUpTo254Characters)
{
    TempAppFolder app;
    const QString file = app.programPath("datos.ini");
    for (int first : {0, 128}) {
        QByteArray bytes;
        for (int byte = first; byte < first + 128; ++byte) {
            if (byte != '\r' && byte != '\n')
                bytes.append(char(byte));
        }
        const QString value = 'x' + cp1252::decode(bytes) + 'x';
        ASSERT_TRUE(EscribirIni(file, "Todos", "Bytes", value));
        EXPECT_EQ(LeerIni(file, "Todos", "Bytes"), value);
    }

    const QString longest = QString(253, 'a') + u'ñ';
    ASSERT_TRUE(EscribirIni(file, "Config", "Largo", longest));
    EXPECT_EQ(LeerIni(file, "Config", "Largo"), longest);
    ASSERT_TRUE(EscribirIni(file, "Config", "Largo", longest + "zzz"));
    EXPECT_EQ(LeerIni(file, "Config", "Largo"), longest);
}
