#include "ui/Form1.h"

#include "app/MainLayout.h"
#include "skins/Colors.h"
#include "ui/AppIcon.h"
#include "ui/CellRow.h"
#include "ui/Controls.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/Form6.h"
#include "ui/Form7.h"
#include "ui/Platform.h"
#include "ui/WindowTwips.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QPushButton>

Form1::Form1(const QString& appFolder, Platform& platform)
    : form2([this] { return new Form2(m_appFolder, Command2); }),
      form3([this] { return new Form3(*this); }), form4([this] { return new Form4(*this); }),
      form5([this] { return new Form5(*this); }), form6([this] { return new Form6(m_appFolder); }),
      form7([] { return new Form7; }), m_appFolder(appFolder), m_platform(platform),
      m_files(appFolder, [this] { m_platform.reportSaveFailure(this); }), m_game(m_files)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Palabrino v.2.0"));
    setWindowIcon(appIcon());
    // Fixed size, with a minimise button but no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_client = new ClientArea(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(mainlayout::clientSize);
    setColour(*m_client, QPalette::Window, QColor(colors::formBackground));
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    createWordArea();
    createCommandRow();
    createKeyboard();
    createScoreRow();
    createPictureArea();
    Label10->raise();
    createMenu();
    setTabOrder();
    connectEvents();
    nameControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    Command2->setFocus();

    Form_Load();
}

Form1::~Form1() = default;

void Form1::connectEvents()
{
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    Command2->installEventFilter(this);
    Text1->installEventFilter(this);
    for (const auto& [index, key] : Command3)
        connect(key, &QPushButton::clicked, this, [this, index = index] { Command3_Click(index); });
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(mnunuevo, &QAction::triggered, this, &Form1::mnunuevo_Click);
    connect(mnuCategorias, &QAction::triggered, this, &Form1::mnuCategorias_Click);
    connect(mnuestadisticas, &QAction::triggered, this, &Form1::mnuestadisticas_Click);
    connect(mnuskins, &QAction::triggered, this, &Form1::mnuskins_Click);
    connect(mnuayuda2, &QAction::triggered, this, &Form1::mnuayuda2_Click);
    connect(mnuagradecimientos, &QAction::triggered, this, &Form1::mnuagradecimientos_Click);
    connect(mnuacerca, &QAction::triggered, this, &Form1::mnuacerca_Click);
}

void Form1::Form_Unload()
{
    Repetiralabrir();
    form2.close();
    form3.close();
    form4.close();
    form5.close();
    form6.close();
    form7.close();
}

void Form1::Form_GotFocus() { Command2->setFocus(); }

void Form1::Command2_Click() { Form_Load(); }

void Form1::Command1_Click() { form3.show(); }

void Form1::mnunuevo_Click() { Command2_Click(); }

void Form1::mnuCategorias_Click() { form5.show(); }

void Form1::mnuestadisticas_Click() { form6.show(); }

void Form1::mnuskins_Click() { form4.show(); }

void Form1::mnuayuda2_Click() { m_platform.openHelp(this, QStringLiteral("ayuda.chm")); }

void Form1::mnuagradecimientos_Click() { form7.show(); }

void Form1::mnuacerca_Click() { form3.show(); }

void Form1::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_GotFocus();
    QMainWindow::changeEvent(event);
}
