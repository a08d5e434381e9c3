#include "ui/Form5.h"

#include "app/AppPath.h"
#include "ui/Form1.h"
#include "ui/Platform.h"
#include "words/CategoryFiles.h"

Form5::Form5(Form1& main) : ChooserForm(main, QStringLiteral("Categorias"))
{
    setObjectName(QStringLiteral("Form5"));
    Form_Load(categories::names(m_main.appFolder()));
}

ProgramPath Form5::descriptionFile(const QString& name) const
{
    return categories::file(m_main.appFolder(), name);
}

void Form5::apply(const QString& name)
{
    m_main.Repetiralabrir();
    guardarIni(m_main.platform(), this, settingsFile(m_main.appFolder()), settings::section,
               settings::category, name);
    m_main.Paracat();
}
