#include "checker/Comprobar.h"
#include "CheckerTest.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The printed texts as bytes: Qt 6.4 finds some equal texts unequal when one
// side is a UTF-8 literal.
struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

Result comprobar(const QStringList& arguments, const QString& ownFolder = {})
{
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int code = checker::run(arguments, ownFolder, out, err);
    out.flush();
    err.flush();
    return {code, outText.toStdString(), errText.toStdString()};
}

class Comprobar : public SkinFolder {
protected:
    void categories()
    {
        category({"uno", "dos"}, "Ganadas=0\r\nPerdidas=0\r\nMaxPunt=0", "Buena");
        folder.write("Categorias/mala.ini",
                     iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=gato"}));
    }
};

} // namespace

// Usage errors are told apart from findings by their exit code; every
// category and skin of the folder is checked, each finding named by its place,
// the folder it runs from when given none; one file or one skin folder is
// named as the author typed it.
TEST_F(Comprobar, ChecksTheApplicationFolderOneCategoryOrOneSkin)
{
    for (const QStringList& wrong :
         {QStringList{"a", "b"}, QStringList{"--nada"}, QStringList{folder.nativeFile("falta")},
          QStringList{folder.path()}})
        EXPECT_EQ(comprobar(wrong).code, 2);
    EXPECT_EQ(comprobar({"--ayuda"}).out.rfind("uso: palabrino-comprobar", 0), 0u);

    categories();
    skin("Roja", "Rojo=1");
    skin("Verde");
    const Result own = comprobar({}, folder.path());
    EXPECT_EQ(own.code, 1);
    EXPECT_EQ(own.out, "Categorias/mala.ini: falta la sección [Est]\n"
                       "Skins/Roja/info.ini:1: falta la clave TextoR en [Colores]\n");
    EXPECT_EQ(own.err, "2 categorías y 2 skins comprobadas: 2 avisos\n");

    const QString file = folder.nativeFile("Categorias/mala.ini");
    EXPECT_EQ(comprobar({file}).out, (file + ": falta la sección [Est]\n").toStdString());
    EXPECT_EQ(
        comprobar({folder.nativeFile("Skins/Roja/")}).out,
        (folder.nativeFile("Skins/Roja") + "/info.ini:1: falta la clave TextoR en [Colores]\n")
            .toStdString());
    EXPECT_EQ(comprobar({folder.nativeFile("Categorias/Buena.ini")}).code, 0);
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
    EXPECT_EQ(comprobar({folder.path()}).out,
              "Categorias: no hay ninguna categoría (*.ini) que el juego pueda leer\n"
              "Categorias/a\\b.ini: el nombre tiene una barra o «..» y el juego lo leería como "
              "otra carpeta; el selector no lo muestra\n"
              "Categorias/Año Ω.ini: datos.ini no puede guardar estos caracteres del nombre, que "
              "no son de Windows-1252: «Ω»; el selector no lo muestra\n"
              "Skins/ Luna: datos.ini no guarda el nombre tal cual (espacios o comillas en los "
              "extremos, un salto de línea o más de 254 caracteres); el selector no lo muestra\n"
              "Skins/Ωmega: datos.ini no puede guardar estos caracteres del nombre, que no son de "
              "Windows-1252: «Ω»; el selector no lo muestra\n"
              "Skins: hay 21 skins y el selector solo muestra las 20 primeras; no se pueden "
              "elegir: S21\n");
}

// The executable stands in the application folder and prints in UTF-8.
TEST_F(Comprobar, RunsAsItsOwnProgramBesideTheGame)
{
    EXPECT_EQ(QFileInfo(PALABRINO_COMPROBAR).dir().dirName(), "app");
    categories();
    QProcess process;
    process.start(PALABRINO_COMPROBAR, {folder.path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(),
              "Categorias/mala.ini: falta la sección [Est]\n");
}

// Whatever we ship must pass; the skins are checked as soon as they exist.
TEST(ShippedData, HasNothingTheCheckerWouldReport)
{
    const Result shipped = comprobar({PALABRINO_SOURCE_DIR "/data"});
    EXPECT_EQ(shipped.out, "");
    EXPECT_EQ(shipped.code, 0);
}
