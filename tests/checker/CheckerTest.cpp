#include "checker/CategoryCheck.h"
#include "checker/Comprobar.h"
#include "checker/SkinCheck.h"
#include "skins/Form2.h" // GameFixture needs it whole
#include "support/GameFixture.h"
#include "support/GifBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The findings as the checker prints them, each on a line of its own; findings
// about the checked file itself are shown as `file`. Compared as bytes: Qt 6.4
// finds some equal texts unequal when one side is a UTF-8 literal.
std::string printed(const checker::Findings& findings, const QString& file = "c.ini")
{
    QString lines;
    for (const checker::Finding& finding : findings)
        lines += checker::formatted({finding.file.isEmpty() ? file : finding.file, finding.line,
                                     finding.message}) +
                 '\n';
    return lines.toStdString();
}

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

// A temporary application folder in which to lay skins.
class Checker : public GameFixture {
protected:
    // Every picture at its designed size and a complete info.ini.
    void skin(const QString& name, const char* red = "TextoR=0")
    {
        const QString base = "Skins/" + name + "/";
        folder.write(base + "info.ini",
                     iniText({"[Colores]", red, "TextoV=0", "TextoA=0", "[Acerca]", "Nombre=Roja",
                              "Autor=Alguien", "E-Mail=alguien@example.org", "Comentario=Prueba"}));
        picture(base + "fondo.gif", Qt::white, {320, 408});
        for (const char* gallows : {"0", "1", "2", "3", "4", "5"})
            picture(base + gallows + ".gif", Qt::gray, {320, 240});
        for (const char* result : {"nopuntos", "ganado", "perdido"})
            picture(base + result + ".gif", Qt::green, {300, 100});
    }

    std::string checked() const
    {
        return printed(checker::checkSkin(folder.nativeFile("Skins/Roja")));
    }

    void remove(const QString& name) const
    {
        QFile::remove(folder.nativeFile("Skins/Roja/" + name));
    }
};

} // namespace

// Each sample in data/ beside the findings expected of it: a category checked
// as a file; a skin's info.ini laid in a complete skin, over the sample's
// background when it has one. A finding missed or cried wolf on, a line
// counted wrongly, a rule judged unlike the game, or a text colour that fades
// into the background under the labels (the level 4.5:1 never rounded up to)
// shows as a difference for one sample; a new case is one more pair of files.
TEST_F(Checker, FindsWhatEachSampleExpects)
{
    skin("Roja");
    int samples = 0;
    for (const char* kind : {"categories", "skins"}) {
        const QDir data(QStringLiteral(PALABRINO_TEST_DATA_DIR "/") + kind);
        for (const QString& sample : data.entryList({"*.ini"}, QDir::Files)) {
            SCOPED_TRACE(sample.toStdString());
            QFile text(data.filePath(sample));
            QFile expected(data.filePath(sample.chopped(4) + ".txt"));
            ASSERT_TRUE(text.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
            const QByteArray bytes = text.readAll();
            folder.write("Skins/Roja/info.ini", bytes);
            QFile background(data.filePath(sample.chopped(4) + ".gif"));
            folder.write("Skins/Roja/fondo.gif", background.open(QIODevice::ReadOnly)
                                                     ? background.readAll()
                                                     : pngPicture(Qt::white, {320, 408}));
            const std::string found = data.dirName() == "skins"
                                          ? checked()
                                          : printed(checker::checkCategory(bytes), sample);
            EXPECT_EQ(found, expected.readAll().toStdString());
            ++samples;
        }
    }
    EXPECT_GE(samples, 29);
}

// Each picture the game would leave unloaded or show at another size, names
// that match only without regard to case, and a missing description.
TEST_F(Checker, NamesMissingUnreadableAndMisSizedPictures)
{
    skin("Roja");
    ASSERT_TRUE(QDir(folder.nativeFile("Skins/Roja")).rename("info.ini", "Info.INI"));
    remove("fondo.gif");
    picture("Skins/Roja/FONDO.GIF", Qt::white, {320, 400});
    folder.write("Skins/Roja/0.gif", "GIF89a no es un dibujo");
    picture("Skins/Roja/1.gif", Qt::gray, {300, 200});
    remove("2.gif");
    QDir().mkpath(folder.nativeFile("Skins/Roja/2.gif"));
    remove("3.gif");
    // Qt's reader shows what precedes the undefined code 7; the game refuses it.
    folder.write("Skins/Roja/4.gif",
                 gifHead(plainGif(320, 240, 1)) + QByteArray("\x02\x03\x44\xA8\xAF\0;", 7));
    picture("Skins/Roja/ganado.gif", Qt::green, {4097, 10});
    const std::string pictures =
        "FONDO.GIF: mide 320x400 y se diseñó para 320x408\n"
        "0.gif: no se puede leer como dibujo; el juego no lo carga\n"
        "1.gif: mide 300x200 y se diseñó para 320x240\n"
        "2.gif: falta el archivo\n"
        "3.gif: falta el archivo\n"
        "4.gif: no se puede leer como dibujo; el juego no lo carga\n"
        "ganado.gif: mide 4097x10; el juego no carga dibujos de más de 4096x4096\n";
    EXPECT_EQ(checked(), pictures);
    remove("Info.INI");
    EXPECT_EQ(checked(), pictures + "info.ini: falta el archivo\n");
}

// Usage errors are told apart from findings by their exit code; every
// category and skin of the folder is checked, each finding named by its place,
// the folder it runs from when given none; one file or one skin folder is
// named as the author typed it. The executable stands beside the game and
// prints in UTF-8.
TEST_F(Checker, ChecksTheApplicationFolderOneCategoryOrOneSkin)
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
TEST_F(Checker, NamesAnEmptyCategoryFolderAndWhatTheChoosersLeaveOut)
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
