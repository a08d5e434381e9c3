#include "QtPrinters.h"
#include "app/Module1.h"
#include "support/DataFile.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

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
    TempAppFolder app;
    const QByteArray plain = "[Config]\r\nSkin=Azul\r\n";
    for (const QByteArrayList& row : dataRows("writes.txt")) {
        SCOPED_TRACE(row.join('|').toStdString());
        const QByteArray before = unescaped(row[0]);
        const bool refused = row[4] == "refused";
        app.write("Datos.ini", before);
        EXPECT_EQ(EscribirIni(app.programPath("datos.ini"), QString::fromUtf8(row[1]),
                              QString::fromUtf8(unescaped(row[2])),
                              QString::fromUtf8(unescaped(row[3]))),
                  !refused);
        EXPECT_EQ(app.read("Datos.ini"), refused ? before : unescaped(row[4]));
    }
    EXPECT_FALSE(EscribirIni(app.programPath("Sub\\..\\datos.ini"), "Config", "Skin", "Rojo"));
    EXPECT_FALSE(EscribirIni(app.programPath("nuevo.ini"), "Config", "Sk=in", "Rojo"));
    EXPECT_EQ(app.read("Datos.ini"), plain);
    EXPECT_EQ(app.entries(), QStringList{"Datos.ini"});
}
