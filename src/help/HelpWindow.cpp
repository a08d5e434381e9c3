#include "help/HelpWindow.h"

#include "help/HelpBrowser.h"
#include "help/HelpLinks.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const QString windowName = QStringLiteral("Ayuda de Palabrino");
constexpr int urlRole = Qt::UserRole;

void addTopics(QTreeWidget* tree, QTreeWidgetItem* parent, const std::vector<ChmTopic>& topics)
{
    for (const ChmTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, topic.name.isEmpty() ? topic.local : topic.name);
        if (!topic.local.isEmpty())
            item->setData(0, urlRole, helplinks::topicUrl(topic.local));
        addTopics(tree, item, topic.children);
    }
}

QTreeWidget* topicTree(const char* name)
{
    auto* tree = new QTreeWidget;
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    return tree;
}

} // namespace

HelpWindow::HelpWindow(const QString& file, LinkOpener openExternal, QWidget* parent)
    : QMainWindow(parent), m_archive(file), m_openExternal(std::move(openExternal))
{
    if (!m_openExternal)
        m_openExternal = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(windowName);
    const QString icon = QStringLiteral(":/icons/palabrino-32.png");
    setWindowIcon(QFile::exists(icon) ? QIcon(icon)
                                      : QIcon::fromTheme(QStringLiteral("help-browser")));
    resize(960, 640);
    createPanes();
    createActions();

    const QString name = QStringLiteral("«%1»").arg(QFileInfo(file).fileName().toHtmlEscaped());
    switch (m_archive.status()) {
    case ChmArchive::Status::Missing:
        showFailure(QStringLiteral("No se encuentra el archivo de ayuda %1. Debe estar en la "
                                   "carpeta del programa, junto a Palabrino.")
                        .arg(name));
        return;
    case ChmArchive::Status::Unreadable:
        showFailure(QStringLiteral("No se puede leer el archivo de ayuda %1: está dañado o no es "
                                   "un archivo de ayuda.")
                        .arg(name));
        return;
    case ChmArchive::Status::Open:
        break;
    }
    const QString topic = m_archive.defaultTopic();
    if (topic.isEmpty()) {
        showFailure(QStringLiteral("El archivo de ayuda %1 no tiene ninguna página que mostrar.")
                        .arg(name));
        return;
    }

    addTopics(m_contents, nullptr, m_archive.contents());
    addTopics(m_index, nullptr, m_archive.index());
    m_contents->expandAll();
    m_navigation->setTabVisible(0, m_contents->topLevelItemCount() > 0);
    m_navigation->setTabVisible(1, m_index->topLevelItemCount() > 0);
    m_navigation->setVisible(m_contents->topLevelItemCount() + m_index->topLevelItemCount() > 0);

    m_home = helplinks::topicUrl(topic);
    m_homeAction->setEnabled(true);
    m_browser->setArchive(&m_archive);
    m_browser->setSource(m_home);
}

void HelpWindow::createPanes()
{
    m_splitter = new QSplitter(this);
    m_navigation = new QTabWidget(m_splitter);
    m_navigation->setObjectName(QStringLiteral("navegacion"));
    m_contents = topicTree("contenido");
    m_index = topicTree("indice");
    m_index->setRootIsDecorated(false);
    m_navigation->addTab(m_contents, QStringLiteral("Contenido"));
    m_navigation->addTab(m_index, QStringLiteral("Índice"));
    m_browser = new HelpBrowser(m_splitter);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({240, 720});
    setCentralWidget(m_splitter);

    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::topicShown);
    for (QTreeWidget* tree : {m_contents, m_index}) {
        connect(tree, &QTreeWidget::itemClicked, this, &HelpWindow::openItem);
        connect(tree, &QTreeWidget::itemActivated, this, &HelpWindow::openItem);
    }
}

void HelpWindow::createActions()
{
    QToolBar* bar = addToolBar(QStringLiteral("Navegación"));
    bar->setObjectName(QStringLiteral("barra"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    const auto action = [&](const char* name, const QString& text, QStyle::StandardPixmap icon,
                            const QKeySequence& keys) {
        QAction* created = bar->addAction(style()->standardIcon(icon), text);
        created->setObjectName(QString::fromLatin1(name));
        created->setShortcut(keys);
        created->setEnabled(false);
        return created;
    };
    m_back = action("atras", QStringLiteral("Atrás"), QStyle::SP_ArrowBack, QKeySequence::Back);
    m_forward = action("adelante", QStringLiteral("Adelante"), QStyle::SP_ArrowForward,
                       QKeySequence::Forward);
    m_homeAction = action("inicio", QStringLiteral("Inicio"), QStyle::SP_DirHomeIcon,
                          QKeySequence(Qt::ALT | Qt::Key_Home));

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_homeAction, &QAction::triggered, this, [this] { openTopic(m_home); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
}

void HelpWindow::showFailure(const QString& sentence)
{
    m_navigation->hide();
    m_browser->setHtml(
        QStringLiteral("<h2 style=\"color:#41699a\">No se puede mostrar la ayuda</h2>"
                       "<p style=\"font-size:11pt\">%1</p>")
            .arg(sentence));
}

void HelpWindow::openTopic(const QUrl& url)
{
    if (url != m_browser->source())
        m_browser->setSource(url);
}

void HelpWindow::followLink(const QUrl& link)
{
    const QUrl url = m_browser->source().resolved(link);
    switch (helplinks::linkKind(url)) {
    case helplinks::LinkKind::Topic:
        openTopic(url);
        break;
    case helplinks::LinkKind::External:
        m_openExternal(url);
        break;
    case helplinks::LinkKind::Refused:
        break;
    }
}

void HelpWindow::openItem(QTreeWidgetItem* item)
{
    const QUrl url = item->data(0, urlRole).toUrl();
    if (url.isValid())
        followLink(url);
}

void HelpWindow::topicShown(const QUrl& shown)
{
    QString title = m_browser->documentTitle();
    if (title.isEmpty())
        title = m_archive.title();
    setWindowTitle(title.isEmpty() ? windowName : title);

    // Keeps the contents in step with Back, Forward and links: the exact entry,
    // else the first entry of the same page. The browser's own source() still
    // names the page before while it announces the new one.
    QTreeWidgetItem* match = nullptr;
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        const QUrl url = (*it)->data(0, urlRole).toUrl();
        if (url == shown) {
            match = *it;
            break;
        }
        if (!match && url.adjusted(QUrl::RemoveFragment) == shown.adjusted(QUrl::RemoveFragment))
            match = *it;
    }
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentItem(match);
}
