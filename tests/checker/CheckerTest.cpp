#include "checker/Comprobar.h"
#include "support/DataFile.h"
#include "support/GameFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// A temporary application folder in which to lay skins and run the checker.
class Checker : public GameFixture {
protected:
    // A copy of data/complete-skin: every picture at its designed size and a
    // complete info.ini.
    void skin(const QString& name) const
    {
        for (const QString& file :
             QDir(PALABRINO_TEST_DATA_DIR "/complete-skin").entryList(QDir::Files))
            folder.write("Skins/" + name + '/' + file, dataFile("complete-skin/" + file));
    }

    // What a run from the folder prints on each stream and how it ends, as
    // one text, with the folder left out of the paths. Compared as bytes: Qt
    // 6.4 finds some equal texts unequal when one side is a UTF-8 literal.
    std::string comprobar(const QStringList& arguments) const
    {
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        const int code = checker::run(arguments, folder.path(), out, err);
        out.flush();
        err.flush();
        return QDir::fromNativeSeparators(outText + "-- " + errText + "-> " + QString::number(code))
            .remove(QDir::fromNativeSeparators(folder.path()) + '/')
            .toStdString();
    }
};

} // namespace

// Each sample in data/ beside the report expected of it: a category checked
// as a file, a skin's info.ini laid in a complete skin and checked as a folder
// (each named as the author typed it), over the sample's
// background when it has one. A finding missed or cried wolf on, a line
// counted wrongly, a rule judged unlike the game, or a text colour that fades
// into the background under the labels (the level 4.5:1 never rounded up to)
// shows as a difference for one sample; a new case is one more pair of files.
TEST_F(Checker, ReportsWhatEachSampleExpects)
{
    skin("Roja");
    int samples = 0;
    for (const QString kind : {"categories", "skins"}) {
        for (const QString& name :
             QDir(PALABRINO_TEST_DATA_DIR "/" + kind).entryList({"*.ini"}, QDir::Files)) {
            SCOPED_TRACE(name.toStdString());
            const QString base = kind + '/' + name.chopped(4);
            const QString checked = kind == "skins" ? "Skins/Roja/" : "Categorias/" + name;
            folder.write(kind == "skins" ? checked + "info.ini" : checked, dataFile(base + ".ini"));
            const bool ownBackground = QFile::exists(PALABRINO_TEST_DATA_DIR "/" + base + ".gif");
            folder.write("Skins/Roja/fondo.gif",
                         dataFile(ownBackground ? base + ".gif" : "complete-skin/fondo.gif"));
            EXPECT_EQ(comprobar(QStringList{folder.path() + '/' + checked}),
                      dataFile(base + ".txt").toStdString());
            ++samples;
        }
    }
    EXPECT_GE(samples, 29);
}

// Usage errors are told apart from findings by their exit code; every
// category and skin of the folder is checked, each finding named by its place
// and a file given alone named as typed.
// The executable stands beside the game and prints in UTF-8.
TEST_F(Checker, RefusesWrongUsageAndChecksAFolderFromTheExecutable)
{
    for (const QStringList& wrong :
         {QStringList{"a", "b"}, QStringList{"--nada"}, QStringList{folder.nativeFile("falta")},
          QStringList{folder.path()}})
        EXPECT_TRUE(comprobar(wrong).ends_with("-> 2"));
    EXPECT_EQ(comprobar(QStringList{"--ayuda"}).rfind("uso: palabrino-comprobar", 0), 0u);

    category({"uno", "dos"}, "Ganadas=0\r\nPerdidas=0\r\nMaxPunt=0", "Buena");
    folder.write("Categorias/mala.ini",
                 iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=gato"}));
    skin("Roja");
    folder.write("Skins/Roja/info.ini",
                 dataFile("complete-skin/info.ini").replace("TextoR", "Rojo"));
    EXPECT_EQ(QFileInfo(PALABRINO_COMPROBAR).dir().dirName(), "app");
    QProcess process;
    process.start(PALABRINO_COMPROBAR, {folder.path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    // A Windows console ends its lines with CR LF.
    EXPECT_EQ(QByteArray(process.readAllStandardOutput() + "-- " + process.readAllStandardError() +
                         "-> " + QByteArray::number(process.exitCode()))
                  .replace("\r\n", "\n")
                  .toStdString(),
              "Categorias/mala.ini: falta la sección [Est]\n"
              "Skins/Roja/info.ini:1: falta la clave TextoR en [Colores]\n"
              "-- 2 categorías y 1 skin comprobadas: 2 avisos\n-> 1");
    EXPECT_EQ(comprobar({folder.nativeFile("Skins/../Categorias/mala.ini")}),
              "Skins/../Categorias/mala.ini: falta la sección [Est]\n-- 1 categoría comprobada: "
              "1 aviso\n-> 1");
}

// What the game would leave out: categories and skins named so that
// datos.ini would not give the name back, read as a path, or beyond the
// first 20 skins (with Roja and Verde); pictures missing, unreadable, too big
// or at another size; a missing description; folders and huge files where
// files belong. Names match without regard to case, and
// dots in a name are no path.
TEST_F(Checker, NamesWhatTheGameCannotPlayOrLeavesOut)
{
    for (int n = 1; n <= 19; ++n)
        skin(QStringLiteral("S%1").arg(n, 2, 10, QChar('0')));
    const QByteArray complete = iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=gato",
                                         "[Est]", "Ganadas=0", "Perdidas=0", "MaxPunt=0"});
    folder.write("Categorias/Año Ω.ini", complete);
    folder.write("Categorias/a\\b.ini", complete);
    folder.write("Categorias/A...Z.ini", complete);
    folder.write("Categorias/Carpeta.ini/x", "");
    folder.sparse("Categorias/Enorme.ini", 100 << 20);
    skin("Ωmega");
    skin(" Luna");

    skin("Roja");
    skin("Verde");
    QDir roja(folder.nativeFile("Skins/Roja"));
    ASSERT_TRUE(roja.rename("info.ini", "Info.INI") && roja.remove("fondo.gif") &&
                roja.remove("2.gif") && roja.mkdir("2.gif") && roja.remove("3.gif") &&
                QFile::remove(folder.nativeFile("Skins/Verde/info.ini")) &&
                roja.remove("perdido.gif"));
    folder.sparse("Skins/Roja/perdido.gif", 100 << 20);
    picture("Skins/Roja/FONDO.GIF", Qt::white, {320, 400});
    folder.write("Skins/Roja/0.gif", "GIF89a no es un dibujo");
    picture("Skins/Roja/1.gif", Qt::gray, {300, 200});
    // Qt's reader shows what precedes the undefined code 7; the game refuses it.
    folder.write("Skins/Roja/4.gif", dataFile("undefined-code.gif"));
    picture("Skins/Roja/ganado.gif", Qt::green, {4097, 10});
    QByteArray expected = dataFile("left-out.txt");
#ifdef Q_OS_WIN
    // There a backslash parts folders, so a\b.ini is no category, and the file
    // system answers a name in whatever case it is asked for.
    expected.replace("Categorias/a\\b.ini: el nombre tiene una barra o es «.» o «..», y el juego "
                     "lo leería como otra carpeta; el selector no lo muestra\n",
                     "");
    expected.replace("FONDO.GIF", "fondo.gif");
    expected.replace("16 avisos", "15 avisos");
#endif
    EXPECT_EQ(comprobar(QStringList{}), expected.toStdString());
}

// What an archive may carry under a file's name, pipes, devices and links to
// nothing, is named with the reason the game passes over it.
TEST_F(Checker, NamesPipesDevicesAndLinksToNothing)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Windows folder holds no pipes or devices";
#else
    category({"uno", "dos"}, "Ganadas=0\r\nPerdidas=0\r\nMaxPunt=0", "Buena");
    folder.pipe("Categorias/Tubo.ini");
    folder.link("Categorias/Cero.ini", "/dev/zero");
    folder.link("Categorias/Roto.ini", folder.nativeFile("nada.ini"));
    skin("Roja");
    for (const char* piece : {"5.gif", "nopuntos.gif", "info.ini"})
        ASSERT_TRUE(QFile::remove(folder.nativeFile(QStringLiteral("Skins/Roja/") + piece)));
    folder.pipe("Skins/Roja/5.gif");
    folder.link("Skins/Roja/nopuntos.gif", "/dev/zero");
    folder.pipe("Skins/Roja/info.ini");
    EXPECT_EQ(comprobar(QStringList{}), dataFile("not-plain-files.txt").toStdString());
#endif
}
