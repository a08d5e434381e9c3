#include "ui/ChooserForm.h"

#include "app/Description.h"
#include "app/MailLink.h"
#include "app/Maker.h"
#include "app/Module1.h"
#include "skins/Colors.h"
#include "ui/AppIcon.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/Platform.h"
#include "ui/WindowTwips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QCursor pointer(const char* picture)
{
    return QCursor(QPixmap(QString::fromLatin1(picture)), 1, 1);
}

} // namespace

ChooserForm::ChooserForm(Form1& main, const QString& caption) : m_main(main)
{
    setWindowTitle(caption);
    setWindowIcon(appIcon());
    setFont(tahoma(8.25));
    setFixedSize(twips::toPixels(5415), twips::toPixels(2850));

    Frame1 = new QGroupBox(caption, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(0, 0, 5415, 2415));

    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips::rect(120, 360, 1695, 2010));

    const auto line = [this](const char* name, const char* caption, int top) {
        return plainTextLabel(Frame1, name, caption, twips::rect(1920, top, 3375, 255));
    };
    Label1 = line("Label1", "Nombre:", 360);
    Label2 = line("Label2", "Autor:", 600);
    Label3 = line("Label3", "E-Mail:", 840);
    Label3->setCursor(pointer(":/cursors/sobre.png"));

    Text1 = new QPlainTextEdit(QStringLiteral("Comentario:\n"), Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(1905, 1080, 3345, 1215));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A typed Tab would be undone at once and keep the focus here.
    Text1->setTabChangesFocus(true);
    setColour(*Text1, QPalette::Base, Text1->palette().color(QPalette::Button));

    const auto button = [this](const char* name, const char* caption, int left) {
        auto* control = new QPushButton(QString::fromUtf8(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(twips::rect(left, 2520, 975, 255));
        return control;
    };
    Command1 = button("Command1", "Aplicar", 3360);
    Command2 = button("Command2", "Cancelar", 4440);

    Label4 = new QLabel(QString::fromUtf8("Descargar más"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(twips::rect(120, 2520, 1095, 255));
    fitCaption(*Label4, Command1->x());
    setColour(*Label4, QPalette::WindowText, QColor(fromBgr(0x00FF0000)));
    Label4->setCursor(pointer(":/cursors/globo.png"));

    Label3->installEventFilter(this);
    Label4->installEventFilter(this);
    connect(List1, &QListWidget::currentRowChanged, this, &ChooserForm::List1_Click);
    connect(Text1, &QPlainTextEdit::textChanged, this, &ChooserForm::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &ChooserForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ChooserForm::Command2_Click);
}

void ChooserForm::Form_Load(const QStringList& names)
{
    List1->addItems(names);
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

bool ChooserForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label3)
            Label3_Click();
        else if (watched == Label4)
            Label4_Click();
    }
    return QWidget::eventFilter(watched, event);
}

QString ChooserForm::selectedName() const
{
    const QListWidgetItem* item = List1->currentItem();
    return item ? item->text() : QString();
}

QString ChooserForm::description(QLatin1String key) const
{
    const QString name = selectedName();
    if (name.isEmpty())
        return {};
    return LeerIni(descriptionFile(name), description::section, key);
}

void ChooserForm::List1_Click()
{
    Label1->setText(QStringLiteral("Nombre: ") + description(description::name));
    Label2->setText(QStringLiteral("Autor: ") + description(description::author));
    Label3->setText(QStringLiteral("E-Mail: ") + description(description::mail));
    Text1->setPlainText(QStringLiteral("Comentario: ") + description(description::comment));
}

void ChooserForm::Text1_Change()
{
    // The comment is for reading only: any edit is undone at once. The restore
    // sets off no further restore: the box turns some characters into others
    // (a no-break space into a blank), so its text may never equal the stored one.
    const QString stored = QStringLiteral("Comentario: ") + description(description::comment);
    if (Text1->toPlainText() == stored)
        return;
    const QSignalBlocker restoring(Text1);
    Text1->setPlainText(stored);
}

void ChooserForm::Label3_Click()
{
    m_main.platform().openLink(this, mailLink(description(description::mail)));
}

void ChooserForm::Label4_Click()
{
    m_main.platform().openLink(this, QString::fromLatin1(maker::webAddress));
}

void ChooserForm::Command1_Click()
{
    const QString name = selectedName();
    if (!name.isEmpty())
        apply(name);
    close();
}

void ChooserForm::Command2_Click() { close(); }
