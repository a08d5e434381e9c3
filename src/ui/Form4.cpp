#include "ui/Form4.h"

#include "app/AppPath.h"
#include "skins/SkinFiles.h"
#include "skins/SkinNames.h"
#include "ui/Form1.h"
#include "ui/Platform.h"

#include <QListWidget>

Form4::Form4(Form1& main) : ChooserForm(main, QStringLiteral("Skins"))
{
    setObjectName(QStringLiteral("Form4"));
    List1->setToolTip(QString::fromUtf8(
        "Sólo es posible tener un máximo de 10 skins. Para poder añadir más deberás borrar "
        "alguno de los que ya tienes."));
    Form_Load(skins::names(m_main.appFolder()));
}

ProgramPath Form4::descriptionFile(const QString& name) const
{
    return skins::infoFile(skins::folder(m_main.appFolder(), name));
}

void Form4::apply(const QString& name)
{
    guardarIni(m_main.platform(), this, settingsFile(m_main.appFolder()), settings::section,
               settings::skin, name);
    m_main.CargarSkin();
    m_main.Imagen();
}
