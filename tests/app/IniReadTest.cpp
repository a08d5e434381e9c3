#include "QtPrinters.h"
#include "app/Cp1252.h"
#include "app/Module1.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

// Would catch a reader stricter than Windows about case, blanks, quotes and
// comments, one that loses blanks inside a value, takes a "[" inside a value
// for a section header, takes a later duplicate, needs the closing "]", knows
// only one kind of line end, or stops at a NUL byte.
TEST(IniRead, FindsValuesAsWindowsDoes)
{
    TempAppFolder app;
    static constexpr char odd[] = "[A]\rk=1\r\rk=2\n[a]\nk=3\nj=4\r\n"
                                  "[B  \r\nk=\0x\r\n[C] ignorado\0\r\nk=5";
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
                                          u"Ñandú=ave\r\n") +
                               QByteArray(odd, sizeof odd - 1));
    const QString file = app.programPath("datos.ini");
    const struct {
        const char16_t* section;
        const char16_t* key;
        QString expected;
    } cases[] = {
        {u"Config", u"Skin", "Clásico  azul"},
        {u"CONFIG", u"dobles", "  entre comillas  "},
        {u"Config", u"Simples", "x"},
        {u"Config", u"Mezcladas", "\"x'"},
        {u"Config", u"Anidadas", "\"x\""},
        {u"Config", u"PuntoYComa", "a;b"},
        {u"Config", u";Comentada", ""},
        {u"Config", u"sin signo igual", ""},
        {u"Config", u"ñANDÚ", "ave"},
        {u"", u"Skin", ""},
        {u"Config", u"corchete", "[Otra]"},
        {u"Otra", u"Ñandú", ""},
        {u"A", u"k", "1"},
        {u"A", u"j", ""},
        {u"B", u"k", QString(QChar(0)) + 'x'},
        {u"C", u"k", "5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeerIni(file, QString::fromUtf16(c.section), QString::fromUtf16(c.key)),
                  c.expected)
            << QString::fromUtf16(c.section).toStdString() << " "
            << QString::fromUtf16(c.key).toStdString();
    EXPECT_EQ(LeerIni(app.programPath("falta.ini"), "Config", "Skin"), u"");
}

// Would catch a character of the code page lost or changed between a write
// and a read, or a value cut anywhere but after 254 characters. Line breaks
// end a value, so they are left out.
TEST(IniRead, ValuesComeBackAsWrittenUpTo254Characters)
{
    TempAppFolder app;
    const QString file = app.programPath("datos.ini");
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            bytes.append(char(byte));
    }
    for (const QByteArray& part : {bytes.first(126), bytes.sliced(126)}) {
        const QString value = 'x' + cp1252::decode(part) + 'x';
        ASSERT_TRUE(EscribirIni(file, "Todos", "Bytes", value));
        EXPECT_EQ(LeerIni(file, "Todos", "Bytes"), value);
    }
    const QString longest = QString(253, 'a') + u'ñ';
    for (const QString& value : {longest, longest + "zzz"}) {
        ASSERT_TRUE(EscribirIni(file, "Config", "Largo", value));
        EXPECT_EQ(LeerIni(file, "Config", "Largo"), longest);
    }
}
