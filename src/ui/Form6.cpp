#include "ui/Form6.h"

#include "app/Module1.h"
#include "ui/AppIcon.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/WindowTwips.h"
#include "words/CategoryFiles.h"
#include "words/Shares.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

Form6::Form6(const QString& appFolder) : m_appFolder(appFolder)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QString::fromUtf8("Estadísticas"));
    setWindowIcon(appIcon());
    setFont(tahoma(8.25));
    setFixedSize(twips::toPixels(4680), twips::toPixels(1905));

    Frame1 = new QGroupBox(QString::fromUtf8("Estadísticas"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(0, 0, 4695, 1455));
    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips::rect(120, 360, 2055, 1035));

    const auto figure = [this](const char* name, const char* caption, int top) {
        return plainTextLabel(Frame1, name, caption, twips::rect(2280, top, 2295, 255));
    };
    Label4 = figure("Label4", "Partidas Jugadas: 0", 360);
    Label1 = figure("Label1", "Partidas Ganadas: 0", 600);
    Label2 = figure("Label2", "Partidas Perdidas: 0", 840);
    Label3 = figure("Label3", "Máxima Puntuación: 0", 1080);

    Command1 = new QPushButton(QStringLiteral("Aceptar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips::rect(3600, 1560, 975, 255));

    connect(List1, &QListWidget::currentRowChanged, this, &Form6::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    List1->addItems(categories::names(m_appFolder));
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void Form6::List1_Click()
{
    const QListWidgetItem* item = List1->currentItem();
    if (!item)
        return;
    const ProgramPath file = categories::file(m_appFolder, item->text());
    const auto read = [&](QLatin1String key) {
        return LeerIni(file, categories::section::est, key);
    };
    using namespace categories::key;
    const stats::Lines figures = stats::lines(read(ganadas), read(perdidas), read(maxPunt));
    Label4->setText(figures.played);
    Label1->setText(figures.won);
    Label2->setText(figures.lost);
    Label3->setText(figures.best);
}
