// Loading the current skin into the main window and the result window.
#include "app/AppPath.h"
#include "app/Module1.h"
#include "skins/Colors.h"
#include "skins/SkinColour.h"
#include "skins/SkinFiles.h"
#include "skins/SkinNames.h"
#include "ui/Controls.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

#include <QLabel>

void Form1::CargarSkin()
{
    const ProgramPath folder = skins::folder(m_appFolder, skins::currentName(m_appFolder));
    const ProgramPath info = skins::infoFile(folder);
    const QString red = LeerIni(info, skins::info::colours, skins::info::red);
    const QString green = LeerIni(info, skins::info::colours, skins::info::green);
    const QString blue = LeerIni(info, skins::info::colours, skins::info::blue);

    if (const std::optional<QImage> background =
            skins::loadPicture(joinPath(folder, skins::pictures::background)))
        m_client->setBackground(*background);

    if (const std::optional<QRgb> colour = skins::textColour(red, green, blue)) {
        for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8})
            setColour(*label, QPalette::WindowText, QColor(*colour));
    }

    for (std::size_t n = 0; n < I.size(); ++n)
        I[n]->loadPicture(joinPath(folder, skins::pictures::gallows(int(n))));

    // A result window loaded just now has filled its holders itself.
    if (Form2* result = form2.existing())
        result->loadPictures();
    else
        form2.get();

    SkinCargado = true;
}
