#include "dialogs/help/HelpWindow.h"
#include "dialogs/help/HelpBrowser.h"
#include "support/TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class HelpViewer : public ::testing::Test {
protected:
    HelpBrowser* page() const { return window->findChild<HelpBrowser*>("pagina"); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    QTreeWidget* tree(const char* name) const { return window->findChild<QTreeWidget*>(name); }
    QString shown() const { return page()->source().toString(); }

    void open(const QString& file = QStringLiteral(PALABRINO_HELP_FILE))
    {
        window = std::make_unique<HelpWindow>(
            file, [this](const QUrl& url) { opened.append(url.toString()); });
        window->show();
    }

    // A click on a link: the browser reports the address as written in the page.
    void click(const char* href) { emit page()->anchorClicked(QUrl(QString::fromUtf8(href))); }

    QTreeWidgetItem* entry(const char* treeName, const QString& text) const
    {
        const auto found = tree(treeName)->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    std::unique_ptr<HelpWindow> window;
    QStringList opened;
};

} // namespace

TEST_F(HelpViewer, FollowsLinksAnchorsTablesKeysAndHistory)
{
    // Catches a viewer that opens no page or the wrong one, titles decoded in
    // the wrong character set, pictures the archive does not supply, links
    // resolved against the wrong page, table entries that open nothing, links
    // the keyboard cannot follow, and Back and Forward in the wrong state.
    open();
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_EQ(window->windowTitle(), u"Ayuda de Palabrino");
    EXPECT_FALSE(action("atras")->isEnabled());
    EXPECT_FALSE(QImage::fromData(page()
                                      ->loadResource(QTextDocument::ImageResource,
                                                     QUrl(QStringLiteral("imagenes/ahorcado.png")))
                                      .toByteArray())
                     .isNull());

    click("jugar.html");
    EXPECT_EQ(window->windowTitle(), u"Cómo jugar");
    EXPECT_EQ(tree("contenido")->currentItem()->text(0), u"Cómo jugar");
    click("teclado.html#foco");
    EXPECT_EQ(shown(), u"chm:/teclado.html#foco");
    action("atras")->trigger();
    action("atras")->trigger();
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_FALSE(action("atras")->isEnabled());
    action("adelante")->trigger();
    action("adelante")->trigger();
    EXPECT_EQ(shown(), u"chm:/teclado.html#foco");
    EXPECT_FALSE(action("adelante")->isEnabled());
    action("inicio")->trigger();
    EXPECT_EQ(shown(), u"chm:/index.html");

    QTreeWidgetItem* scoring = entry("contenido", QStringLiteral("La puntuación"));
    ASSERT_NE(scoring, nullptr);
    emit tree("contenido")->itemClicked(scoring, 0);
    EXPECT_EQ(window->windowTitle(), u"La puntuación");
    QTreeWidgetItem* focus = entry("indice", QStringLiteral("Foco del teclado"));
    ASSERT_NE(focus, nullptr);
    emit tree("indice")->itemActivated(focus, 0);
    EXPECT_EQ(shown(), u"chm:/teclado.html#foco");
    EXPECT_EQ(tree("contenido")->currentItem()->text(0), u"El teclado");

    action("inicio")->trigger();
    page()->setFocus();
    for (const int key : {Qt::Key_Tab, Qt::Key_Return}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(page(), &down);
    }
    EXPECT_EQ(shown(), u"chm:/categorias.html");
}

TEST_F(HelpViewer, HandsWebAndMailLinksToTheDesktopAndRefusesTheRest)
{
    // Catches external addresses loaded as help pages, and help text able to
    // open local files or scripts through the desktop.
    open();
    for (const char* link : {"https://example.org/palabrino", "mailto:ana@example.org",
                             "file:///etc/passwd", "javascript:alert(1)"})
        click(link);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("https://example.org/palabrino"),
                                   QStringLiteral("mailto:ana@example.org")}));
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_FALSE(action("atras")->isEnabled());
}

TEST_F(HelpViewer, SaysWhichPageOrHelpFileCannotBeShown)
{
    // Catches a crash or an empty window when the help file is missing or
    // damaged, a sentence that does not name the file, and a broken link that
    // leaves the old page on screen as if it had worked.
    open();
    click("no-existe.html");
    EXPECT_TRUE(page()->toPlainText().contains(
        u"No se encuentra la página «no-existe.html» en el archivo de ayuda."));

    TempAppFolder folder;
    open(folder.nativeFile("ayuda.chm"));
    EXPECT_TRUE(
        page()->toPlainText().contains(u"No se encuentra el archivo de ayuda «ayuda.chm»."));
    EXPECT_EQ(window->windowTitle(), u"Ayuda de Palabrino");
    EXPECT_FALSE(action("inicio")->isEnabled());
    EXPECT_FALSE(window->findChild<QTabWidget*>("navegacion")->isVisible());

    folder.write("roto.chm", QByteArray(4096, '\x5A'));
    open(folder.nativeFile("roto.chm"));
    EXPECT_TRUE(page()->toPlainText().contains(u"No se puede leer el archivo de ayuda «roto.chm»: "
                                               u"está dañado o no es un archivo de ayuda."));
}
