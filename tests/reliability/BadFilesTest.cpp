#include "reliability/BadFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString prueba = QStringLiteral("Categorias/Prueba.ini");

QByteArray utf16(const QByteArray& text)
{
    const QString wide = QString::fromLatin1(text);
    return "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2);
}

QByteArray replaced(QByteArray text, const QByteArray& from, const QByteArray& to)
{
    return text.replace(from, to);
}

auto withPrueba(const QByteArray& text)
{
    return [text](const TempAppFolder& folder) { plantFile(folder, prueba, text); };
}

auto withSettings(const QByteArray& text)
{
    return [text](const TempAppFolder& folder) { plantFile(folder, "datos.ini", text); };
}

} // namespace

// Would catch a crash, a hang or a wrong deal on odd INI text, and a write
// that spoils bytes it had no reason to touch: a NUL, a long line, a line end
// of another kind, the rest of a file read in another encoding.
TEST(BadFiles, OddIniTextNeitherStopsTheGameNorLosesBytes)
{
    const QByteArray tenMegabytes(10 << 20, 'x');
    QByteArray manySections;
    for (int n = 0; n < 100000; ++n)
        manySections += "[S" + QByteArray::number(n) + "]\r\nk=" + QByteArray::number(n) + "\r\n";
    const QByteArray withNuls =
        replaced(replaced(shippedCategory(), "Modo=0", QByteArray("Modo=0\0\0", 8)), "2A=dos",
                 QByteArray("2A=d\0os", 7));
    const QByteArray unusualKeys = "0A=cero\r\n-1A=menos uno\r\n99999A=lejos\r\n";

    const BadFolderCase cases[] = {
        {"random bytes as the category", withPrueba(randomBytes(4096, 1)), "", "no tiene frases"},
        {"random bytes as the settings", withSettings(randomBytes(4096, 2)), "MAR", ""},
        {"random bytes as the skin's info.ini",
         [&](const TempAppFolder& f) {
             plantFile(f, "Skins/Prueba/info.ini", randomBytes(4096, 3));
         },
         "UNO", ""},
        {"NUL bytes inside lines", withPrueba(withNuls), "UNO", ""},
        {"a category of one 10 MB line", withPrueba("[Datos] Cuenta=0 1A=uno " + tenMegabytes), "",
         "no tiene frases"},
        {"a 10 MB line in the category",
         withPrueba(replaced(shippedCategory(), "[Est]", "Relleno=" + tenMegabytes + "\r\n[Est]")),
         "UNO", ""},
        {"100,000 sections before the category's own",
         withPrueba(manySections + shippedCategory("Cuenta=4")), "CINCO", ""},
        {"an entry of 70,000 characters",
         withPrueba(replaced(shippedCategory(), "1A=uno", "1A=" + QByteArray(70000, 'a'))),
         QString(254, 'A'), ""},
        {"a category name of 70,000 characters",
         withSettings("[Config]\r\nCategoria=" + QByteArray(70000, 'z') + "\r\nSkin=Prueba\r\n"),
         "MAR", ""},
        {"headers without their ]",
         withPrueba(replaced(replaced(shippedCategory("Cuenta=3"), "[Datos]", "[Datos"),
                             "[Contenido]", "[Contenido ")),
         "CUATRO", ""},
        {"a UTF-8 byte-order mark", withPrueba("\xEF\xBB\xBF" + shippedCategory("Cuenta=3")), "UNO",
         ""},
        {"a UTF-16 category", withPrueba(utf16(shippedCategory())), "", "no tiene frases"},
        {"UTF-16 settings", withSettings(utf16("[Config]\r\nCategoria=Prueba\r\n")), "MAR", ""},
        {"CR-only line ends", withPrueba(replaced(shippedCategory("Cuenta=1"), "\r\n", "\r")),
         "DOS", ""},
        {"counter -2 and a key -1A", withPrueba(shippedCategory("Cuenta=-2", unusualKeys)), "UNO",
         ""},
        {"counter -1 and a key 0A", withPrueba(shippedCategory("Cuenta=-1", unusualKeys)), "UNO",
         ""},
        {"counter 99998 and a key 99999A", withPrueba(shippedCategory("Cuenta=99998", unusualKeys)),
         "UNO", ""},
        {"statistics at the top and not numbers",
         withPrueba(replaced(replaced(replaced(shippedCategory(), "Ganadas=0", "Ganadas=32767"),
                                      "Perdidas=0", "Perdidas=abc"),
                             "MaxPunt=0", "MaxPunt=32767")),
         "UNO", ""},
    };
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);
}

// Would catch a folder, a link or a loop where a file should be taken for
// one (a crash, an error, a write through it), or a failed write reported as
// done or reported more than once.
TEST(BadFiles, WrongShapesCountAsMissingAndAFullDiskIsReportedOnce)
{
    const BadFolderCase cases[] = {
        {"a category file that is a folder", [](const TempAppFolder& f) { plantFolder(f, prueba); },
         "MAR", ""},
        {"a Categorias that is a file",
         [](const TempAppFolder& f) { plantFile(f, "Categorias", "no soy una carpeta"); }, "",
         "Categorias"},
        {"a skin folder that is a file",
         [](const TempAppFolder& f) { plantFile(f, "Skins/Prueba", "no soy una carpeta"); }, "UNO",
         ""},
        {"a settings file that is a folder",
         [](const TempAppFolder& f) { plantFolder(f, "datos.ini"); }, "MAR", ""},
        {"a dangling category link",
         [](const TempAppFolder& f) { plantLink(f, prueba, "falta.ini"); }, "MAR", ""},
        {"a category link loop", [](const TempAppFolder& f) { plantLink(f, prueba, "Prueba.ini"); },
         "MAR", ""},
        {"a settings link loop",
         [](const TempAppFolder& f) { plantLink(f, "datos.ini", "datos.ini"); }, "MAR", ""},
        {"a skin link loop", [](const TempAppFolder& f) { plantLink(f, "Skins/Prueba", "Prueba"); },
         "UNO", ""},
        {"a Categorias link loop",
         [](const TempAppFolder& f) { plantLink(f, "Categorias", "Categorias"); }, "",
         "Categorias"},
        {"a category that is a link to a file",
         [](const TempAppFolder& f) {
             f.write("Compartidas/Prueba.ini", shippedCategory());
             plantLink(f, prueba, "../Compartidas/Prueba.ini");
         },
         "UNO", ""},
        {"a full disk", [](const TempAppFolder&) {}, "UNO", "guardar", true},
    };
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);
}

// Would catch an unreadable file taken for an empty one (and written over),
// or a read-only place written anyway or not reported.
TEST(BadFiles, UnreadableAndReadOnlyPlacesAsAnOrdinaryUser)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root; as_ordinary_user.sh runs this as nobody";
    const BadFolderCase cases[] = {
        {"an unreadable category", [](const TempAppFolder& f) { setMode(f, prueba, 0); }, "MAR",
         ""},
        {"unreadable settings", [](const TempAppFolder& f) { setMode(f, "datos.ini", 0); }, "MAR",
         ""},
        {"unreadable skin pieces",
         [](const TempAppFolder& f) {
             setMode(f, "Skins/Prueba/info.ini", 0);
             setMode(f, "Skins/Prueba/0.gif", 0);
         },
         "UNO", ""},
        {"an unreadable Categorias", [](const TempAppFolder& f) { setMode(f, "Categorias", 0); },
         "", "Categorias"},
        {"a read-only category", [](const TempAppFolder& f) { setMode(f, prueba, 0444); }, "UNO",
         "guardar"},
        {"a read-only application folder",
         [](const TempAppFolder& f) {
             for (const char* place : {"Categorias", "Skins/Prueba", "Skins", "."})
                 setMode(f, place, 0555);
         },
         "UNO", "guardar"},
    };
    for (const BadFolderCase& badCase : cases)
        playThrough(badCase);
}
