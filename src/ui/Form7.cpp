#include "ui/Form7.h"

#include "ui/AppIcon.h"
#include "ui/Fonts.h"
#include "ui/WindowTwips.h"

#include <QLabel>

Form7::Form7()
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Agradecimientos"));
    setWindowIcon(appIcon());
    setFont(tahoma(8.25));
    setFixedSize(twips::toPixels(3405), twips::toPixels(1830));

    const struct {
        QLabel** label;
        const char* name;
        const char* text;
    } thanks[] = {
        {&Label1, "Label1", "Ana: Por testear el programa. ;)"},
        {&Label2, "Label2", "Beto: Por la detección de un fallo."},
        {&Label3, "Label3", "Carla: Por la corrección de una película."},
        {&Label4, "Label4", "Dani: Por sus valiosas sugerencias."},
        {&Label5, "Label5", "Elena: Por la detección de un fallo."},
    };
    int top = 120;
    for (const auto& entry : thanks) {
        *entry.label = new QLabel(QString::fromUtf8(entry.text), this);
        (*entry.label)->setObjectName(QString::fromLatin1(entry.name));
        (*entry.label)->setGeometry(twips::rect(120, top, 3255, 255));
        top += 360;
    }
}
