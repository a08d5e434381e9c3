#include "QtPrinters.h"
#include "app/Module1.h"

#include <gtest/gtest.h>

#include <tuple>

// Would catch a reader stricter than Windows about case, blanks, quotes and
// comments, one that loses blanks inside a value, takes a "[" inside a value
// for a section header, takes a later duplicate, needs the closing "]", knows
// only one kind of line end, stops at a NUL byte, or gives back more than
// 254 characters of a value.
TEST(IniRead, FindsValuesAsWindowsDoes)
{
    const QString file = PALABRINO_TEST_DATA_DIR "/odd.ini";
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"Config", "Skin", "Clásico  azul"},
        {"CONFIG", "dobles", "  entre comillas  "},
        {"Config", "Simples", "x"},
        {"Config", "Mezcladas", "\"x'"},
        {"Config", "Anidadas", "\"x\""},
        {"Config", "PuntoYComa", "a;b"},
        {"Config", ";Comentada", ""},
        {"Config", "sin signo igual", ""},
        {"Config", "ñANDÚ", "ave"},
        {"Config", "Largo", QString(253, 'a') + u'ñ'},
        {"", "Skin", ""},
        {"Config", "corchete", "[Otra]"},
        {"Otra", "Ñandú", ""},
        {"A", "k", "1"},
        {"A", "j", ""},
        {"B", "k", QString(QChar(0)) + 'x'},
        {"C", "k", "5"},
    };
    for (const auto& [section, key, expected] : cases)
        EXPECT_EQ(LeerIni(file, section, key), expected) << section << " " << key;
    EXPECT_EQ(LeerIni(file + "falta", "Config", "Skin"), u"");
}
