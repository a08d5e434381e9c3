#pragma once

#include "app/QtPrinters.h"
#include "checker/Finding.h"
#include "skins/Form2.h" // GameFixture needs it whole
#include "support/GameFixture.h"

#include <string>

// The findings as the checker prints them, each on a line of its own; findings
// about the checked file itself are shown as `file`. Compared as bytes: Qt 6.4
// finds some equal texts unequal when one side is a UTF-8 literal.
inline std::string printed(const checker::Findings& findings, const QString& file = "c.ini")
{
    QString lines;
    for (const checker::Finding& finding : findings)
        lines += checker::formatted({finding.file.isEmpty() ? file : finding.file, finding.line,
                                     finding.message}) +
                 '\n';
    return lines.toStdString();
}

// A temporary application folder in which to lay skins.
class SkinFolder : public GameFixture {
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
};
