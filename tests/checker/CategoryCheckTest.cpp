#include "checker/CategoryCheck.h"
#include "CheckerTest.h"
#include "app/Cp1252.h"

#include <gtest/gtest.h>

using checker::checkCategory;

namespace {

// A complete category whose entries start on line 9.
QByteArray category(std::initializer_list<const char*> entries, const char* modo = "Modo=0")
{
    QByteArray text = iniText({"[Datos]", "Cuenta=0", modo, "[Est]", "Ganadas=0", "Perdidas=0",
                               "MaxPunt=0", "[Contenido]"});
    for (const char* entry : entries)
        text += iniText({entry});
    return text;
}

std::string checked(const QByteArray& text) { return printed(checkCategory(text)); }

} // namespace

// A reader that counts lines wrongly, takes "1a" for a fault, or sees a
// finding in the game's own quoting, blanks and comments would cry wolf.
TEST(CategoryCheck, AcceptsEverythingTheGameReadsAsMeant)
{
    EXPECT_EQ(checked(category({"1A=la casa del arbol", "2a=el gato (en)", "3A = \"Ñu, 2000.\" ",
                                "4A=X (IT)(EN)", "; 5A=comentada", ""})),
              "");
    // A mode of 1 shows the first character, so it needs no button.
    EXPECT_EQ(checked(category({"1A=¿Dónde?x"}, "Modo=1")),
              "c.ini:9: la frase tiene caracteres que ningún botón descubre: «Ó», «?»; solo se "
              "resuelve escribiéndola");
    EXPECT_EQ(checked("[ datos ]\rcuenta=7\rMODO=1\r[est]\rganadas=3\rperdidas=0\rmaxpunt=1e3\r"
                      "[contenido]\r1a=uno\r"),
              "");
}

// The five numbers the game reads without a fallback.
TEST(CategoryCheck, NamesMissingAndUnreadableRequiredNumbers)
{
    EXPECT_EQ(checked(iniText({"[Datos]", "Cuenta=abc", "[Est]", "Ganadas=", "Perdidas=2.5",
                               "MaxPunt=-1", "[Contenido]", "1A=gato"})),
              "c.ini:1: falta la clave Modo en [Datos]\n"
              "c.ini:2: la clave Cuenta no es un número: «abc»\n"
              "c.ini:4: la clave Ganadas está vacía; debe ser un número\n"
              "c.ini:5: la clave Perdidas debe ser un número entero de 0 a 32767: «2.5»");
    EXPECT_EQ(checked(iniText({"[Contenido]", "1A=gato", "[Datos]", "Cuenta=40000", "Modo=x"})),
              "c.ini: falta la sección [Est]\n"
              "c.ini:4: la clave Cuenta debe ser un número entero de 0 a 32767: «40000»\n"
              "c.ini:5: la clave Modo no es un número: «x»");
}

// Dealing stops at the first number without a phrase; whatever lies beyond it
// is never played and must be named.
TEST(CategoryCheck, NamesTheEntriesAGapOrAnEmptyEntryHides)
{
    EXPECT_EQ(checked(category({"1A=uno", "2A=dos", "7A=siete", "4A=cuatro"})),
              "c.ini:12: falta la entrada 3A: el juego vuelve a 1A; nunca se muestran 4A, 7A");
    EXPECT_EQ(
        checked(category({"2A=dos"})),
        "c.ini:9: falta la entrada 1A: la categoría no tiene ninguna frase que mostrar; nunca "
        "se muestra 2A");
    EXPECT_EQ(checked(category({})),
              "c.ini:8: falta la entrada 1A: la categoría no tiene ninguna frase que mostrar");
    EXPECT_EQ(checked(category({"1A=uno", "2A= (en)", "3A=tres"})),
              "c.ini:10: la entrada 2A no tiene frase: el juego vuelve a 1A; nunca se muestra 3A");

    // Blanks or marks alone are dealt, with nothing to guess; so is a single
    // character that an easy category shows from the start.
    const std::string nothing = "la frase no tiene nada que adivinar: se ve entera desde el "
                                "principio y la primera consonante o cifra que se juegue la gana";
    EXPECT_EQ(checked(category({"1A=uno", "2A=\"   \"", "3A=- , .", "4A=cuatro"})),
              "c.ini:10: " + nothing + "\nc.ini:11: " + nothing);
    EXPECT_EQ(checked(category({"1A=y"}, "Modo=1")), "c.ini:9: " + nothing);
    EXPECT_EQ(checked(iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Est]", "Ganadas=0", "Perdidas=0",
                               "MaxPunt=0"})),
              "c.ini: falta la sección [Contenido]; la categoría no tiene frases");

    // Keys the game never asks for, whatever they look like.
    EXPECT_EQ(checked(category({"1A=uno", "0A=a", "-1A=b", "01A=c", "x=d", "1 A=e", "+2A=f",
                                "40000A=g", "2AA=h"})),
              "c.ini:10: la clave 0A no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:11: la clave -1A no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:12: la clave 01A no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:13: la clave x no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:14: la clave 1 A no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:15: la clave +2A no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:16: la clave 40000A no es una entrada (1A, 2A, 3A…); el juego no la lee\n"
              "c.ini:17: la clave 2AA no es una entrada (1A, 2A, 3A…); el juego no la lee");
}

// Length is counted as shown: without the hint and the blanks it leaves.
TEST(CategoryCheck, NamesPhrasesTooLongOrWithCharactersNoButtonUncovers)
{
    const QByteArray fits = QByteArray(37, 'a');
    EXPECT_EQ(checked(category({("1A=" + fits).constData(), ("2A=" + fits + "   (EN)").constData(),
                                ("3A=" + fits + "b").constData(), "4A=Año 2000: uno, dos - tres.",
                                "5A=¿Qué es eso? L'ami ß"})),
              "c.ini:11: la frase tiene 38 caracteres; en pantalla caben 37\n"
              "c.ini:13: la frase tiene caracteres que ningún botón descubre: «¿», «É», «?», «'», "
              "«ß»; solo se resuelve escribiéndola");
    EXPECT_EQ(checked(category({"1A=a\tb"})),
              "c.ini:9: la frase tiene caracteres que ningún botón descubre: U+0009; solo se "
              "resuelve escribiéndola");
}

// A hint written almost right stays in the phrase, brackets and all.
TEST(CategoryCheck, NamesHintsTheGameDoesNotRecognise)
{
    const QString unbuttoned =
        "la frase tiene caracteres que ningún botón descubre: %1; solo se resuelve escribiéndola";
    const QString hint = "la pista «%1» no se reconoce: el juego solo quita (EN), (IT) y (FR) del "
                         "final y la deja en la frase";
    EXPECT_EQ(
        checked(category({"1A=Casa (EN )", "2A=Casa (en", "3A=Casa [EN]", "4A=Casa (ES)",
                          "5A=Casa (En).", "6A=Casa (ENG)"})),
        QStringList({"c.ini:9: " + hint.arg("(EN )"), "c.ini:9: " + unbuttoned.arg("«(», «)»"),
                     "c.ini:10: " + hint.arg("(en"), "c.ini:10: " + unbuttoned.arg("«(»"),
                     "c.ini:11: " + hint.arg("[EN]"), "c.ini:11: " + unbuttoned.arg("«[», «]»"),
                     "c.ini:12: " + hint.arg("(ES)"), "c.ini:12: " + unbuttoned.arg("«(», «)»"),
                     "c.ini:13: " + hint.arg("(En)."), "c.ini:13: " + unbuttoned.arg("«(», «)»"),
                     "c.ini:14: " + unbuttoned.arg("«(», «)»")})
            .join('\n')
            .toStdString());
}

// Repeats, stray lines and cut values, with every kind of line ending counted.
TEST(CategoryCheck, NamesWhatTheIniReaderPassesOver)
{
    const QByteArray longValue(300, 'a');
    const QByteArray quoted = '"' + QByteArray(254, 'b') + '"';
    const QByteArray text = "Suelta=1\r\n[Datos]\nCuenta=0\rcuenta=5\r\nModo=0\n; nota\n\n"
                            "[Est]\r\nGanadas=0\r\nPerdidas=0\r\nMaxPunt=0\r\n[Contenido]\r\n"
                            "1A=" +
                            longValue + "\r\n2A=" + quoted +
                            "\r\nGato\r\n[DATOS]\r\n"
                            "Modo=1\r\n";
    EXPECT_EQ(checked(text),
              "c.ini:1: la clave Suelta está fuera de toda sección; el juego no la lee\n"
              "c.ini:4: la clave cuenta ya está en la línea 3; el juego solo lee la primera\n"
              "c.ini:13: el valor tiene 300 caracteres; el juego solo lee los primeros 254\n"
              "c.ini:13: la frase tiene 254 caracteres; en pantalla caben 37\n"
              "c.ini:14: la frase tiene 254 caracteres; en pantalla caben 37\n"
              "c.ini:15: la línea no es una sección ni una clave (falta «=»); el juego la ignora\n"
              "c.ini:16: la sección [DATOS] ya empezó en la línea 2; el juego solo lee la primera");
}

// Text saved in another encoding shows garbled or is not read at all.
TEST(CategoryCheck, NamesTextThatIsNotWindows1252)
{
    const QByteArray complete = category({"1A=gato"});
    EXPECT_EQ(checked("\xEF\xBB\xBF" + complete),
              "c.ini: falta la sección [Datos]\n"
              "c.ini:1: el archivo empieza con la marca de UTF-8 y el juego no entiende su primera "
              "línea; guárdelo en Windows-1252\n"
              "c.ini:2: la clave Cuenta está fuera de toda sección; el juego no la lee\n"
              "c.ini:3: la clave Modo está fuera de toda sección; el juego no la lee");

    // "Ñandú" in UTF-8 is flagged; "Año" and "Ñú" in Windows-1252 are not.
    EXPECT_EQ(
        checked(complete + "2A=" + QByteArray("Ñandú") + "\r\n" + cp1252::encode(u"3A=Año Ñú\r\n")),
        "c.ini:10: el texto parece UTF-8: el juego muestra «Ã‘» en lugar de «Ñ», «Ãº» en "
        "lugar de «ú»; guárdelo en Windows-1252\n"
        "c.ini:10: la frase tiene caracteres que ningún botón descubre: «Ã», «‘», «º»; solo se "
        "resuelve escribiéndola\n"
        "c.ini:11: la frase tiene caracteres que ningún botón descubre: «Ú»; solo se resuelve "
        "escribiéndola");

    const QString utf16 = QString::fromLatin1(complete);
    const QByteArray wide =
        "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    EXPECT_EQ(checked(wide), "c.ini:1: el archivo está en UTF-16 o tiene bytes nulos; el juego "
                             "solo lee texto Windows-1252");
}
