#include "checker/Comprobar.h"
#include "CheckerTest.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// What a run prints on each stream and how it ends, as one text.
std::string comprobar(const QStringList& arguments, const QString& ownFolder = {})
{
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int code = checker::run(arguments, ownFolder, out, err);
    out.flush();
    err.flush();
    return (outText + "-- " + errText + "-> " + QString::number(code)).toStdString();
}

using Comprobar = SkinFolder;

} // namespace

// Usage errors are told apart from findings by their exit code; every
// category and skin of the folder is checked, each finding named by its place,
// the folder it runs from when given none; one file or one skin folder is
// named as the author typed it. The executable stands beside the game and
// prints in UTF-8.
TEST_F(Comprobar, ChecksTheApplicationFolderOneCategoryOrOneSkin)
{
    for (const QStringList& wrong :
         {QStringList{"a", "b"}, QStringList{"--nada"}, QStringList{folder.nativeFile("falta")},
          QStringList{folder.path()}})
        EXPECT_TRUE(comprobar(wrong).ends_with("-> 2"));
    EXPECT_EQ(comprobar({"--ayuda"}).rfind("uso: palabrino-comprobar", 0), 0u);

    category({"uno", "dos"}, "Ganadas=0\r\nPerdidas=0\r\nMaxPunt=0", "Buena");
    folder.write("Categorias/mala.ini",
                 iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=gato"}));
    skin("Roja", "Rojo=1");
    skin("Verde");
    const std::string found = "Categorias/mala.ini: falta la sección [Est]\n"
                              "Skins/Roja/info.ini:1: falta la clave TextoR en [Colores]\n";
    EXPECT_EQ(comprobar({}, folder.path()),
              found + "-- 2 categorías y 2 skins comprobadas: 2 avisos\n-> 1");
    const QString file = folder.nativeFile("Categorias/mala.ini");
    EXPECT_EQ(comprobar({file}),
              (file + ": falta la sección [Est]\n-- 1 categoría comprobada: 1 aviso\n-> 1")
                  .toStdString());
    EXPECT_EQ(comprobar({folder.nativeFile("Skins/Roja/")}),
              (folder.nativeFile("Skins/Roja") + "/info.ini:1: falta la clave TextoR en "
                                                 "[Colores]\n-- 1 skin comprobada: 1 aviso\n-> 1")
                  .toStdString());
    EXPECT_TRUE(comprobar({folder.nativeFile("Categorias/Buena.ini")}).ends_with("-> 0"));

    EXPECT_EQ(QFileInfo(PALABRINO_COMPROBAR).dir().dirName(), "app");
    QProcess process;
    process.start(PALABRINO_COMPROBAR, {folder.path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.readAllStandardOutput().toStdString() + "-> " +
                  std::to_string(process.exitCode()),
              found + "-> 1");
}

// A folder the game cannot play from, and categories and skins the choosers
// cannot offer: named so that datos.ini would not give the name back, read
// as a path, or beyond the first 20 skins.
TEST_F(Comprobar, NamesAnEmptyCategoryFolderAndWhatTheChoosersLeaveOut)
{
    for (int n = 1; n <= 21; ++n)
        skin(QStringLiteral("S%1").arg(n, 2, 10, QChar('0')));
    const QByteArray complete = iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=gato",
                                         "[Est]", "Ganadas=0", "Perdidas=0", "MaxPunt=0"});
    folder.write("Categorias/Año Ω.ini", complete);
    folder.write("Categorias/a\\b.ini", complete);
    skin("Ωmega");
    skin(" Luna");
    QFile expected(PALABRINO_TEST_DATA_DIR "/left-out.txt");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(comprobar({folder.path()}), expected.readAll().toStdString());
}

// Whatever we ship must pass; the skins are checked as soon as they exist.
TEST(ShippedData, HasNothingTheCheckerWouldReport)
{
    const std::string shipped = comprobar({PALABRINO_SOURCE_DIR "/data"});
    EXPECT_TRUE(shipped.starts_with("-- ") && shipped.ends_with("-> 0")) << shipped;
}
