#pragma once

#include "app/QtPrinters.h"
#include "checker/Finding.h"
#include "skins/Form2.h" // GameFixture needs it whole
#include "support/GameFixture.h"

#include <QStringList>

#include <string>

// The findings as the checker prints them, one a line; findings about the
// checked file itself are shown as `file`. Compared as bytes: Qt 6.4 finds some
// equal texts unequal when one side is a UTF-8 literal.
inline std::string printed(const checker::Findings& findings, const QString& file = "c.ini")
{
    QStringList lines;
    for (const checker::Finding& finding : findings)
        lines << checker::formatted(
            {finding.file.isEmpty() ? file : finding.file, finding.line, finding.message});
    return lines.join('\n').toStdString();
}

// A temporary application folder in which to lay skins.
class SkinFolder : public GameFixture {
protected:
    // Every picture at its designed size and a complete info.ini.
    void skin(const QString& folderName, const char* red = "TextoR=0",
              const char* green = "TextoV=0", const char* blue = "TextoA=0")
    {
        const QString base = "Skins/" + folderName + "/";
        folder.write(base + "info.ini",
                     iniText({"[Colores]", red, green, blue, "[Acerca]", "Nombre=Roja",
                              "Autor=Alguien", "E-Mail=alguien@example.org", "Comentario=Prueba"}));
        picture(base + "fondo.gif", Qt::white, {320, 408});
        for (int n = 0; n < 6; ++n)
            picture(base + QString::number(n) + ".gif", Qt::gray, {320, 240});
        for (const char* name : {"nopuntos.gif", "ganado.gif", "perdido.gif"})
            picture(base + name, Qt::green, {300, 100});
    }
};
