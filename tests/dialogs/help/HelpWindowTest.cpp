#include "dialogs/help/HelpWindow.h"
#include "dialogs/help/HelpBrowser.h"
#include "support/TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString shippedHelp = QStringLiteral(PALABRINO_HELP_FILE);

class HelpViewer : public ::testing::Test {
protected:
    HelpBrowser* page() const { return window->findChild<HelpBrowser*>("pagina"); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    QTreeWidget* tree(const char* name) const { return window->findChild<QTreeWidget*>(name); }
    QString shown() const { return page()->source().toString(); }

    void open(const QString& file)
    {
        window = std::make_unique<HelpWindow>(
            file, [this](const QUrl& url) { opened.append(url.toString()); });
        window->show();
    }

    // A click on a link: the browser reports the address as written in the page.
    void click(const char* href) { emit page()->anchorClicked(QUrl(QString::fromUtf8(href))); }

    void press(int key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(page(), &down);
    }

    QTreeWidgetItem* entry(const char* treeName, const QString& text) const
    {
        const auto found = tree(treeName)->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    std::unique_ptr<HelpWindow> window;
    QStringList opened;
};

} // namespace

TEST_F(HelpViewer, OpensTheStartPageWithItsTitleAndPicture)
{
    // Catches a viewer that opens no page or the wrong one, a window titled
    // without the page's title, and pictures that the archive does not supply.
    open(shippedHelp);
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_EQ(window->windowTitle(), u"Ayuda de Palabrino");
    EXPECT_TRUE(page()->toPlainText().contains(u"Temas de la ayuda"));
    EXPECT_FALSE(action("atras")->isEnabled());
    EXPECT_FALSE(action("adelante")->isEnabled());
    EXPECT_TRUE(action("inicio")->isEnabled());
    ASSERT_NE(tree("contenido")->currentItem(), nullptr);
    EXPECT_EQ(tree("contenido")->currentItem()->text(0), u"Ayuda de Palabrino");

    QStringList pictures;
    for (QTextBlock block = page()->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                pictures.append(it.fragment().charFormat().toImageFormat().name());
        }
    }
    ASSERT_EQ(pictures, QStringList{QStringLiteral("imagenes/ahorcado.png")});
    const QImage gallows = QImage::fromData(
        page()->loadResource(QTextDocument::ImageResource, QUrl(pictures[0])).toByteArray());
    EXPECT_EQ(gallows.size(), QSize(240, 200));
}

TEST_F(HelpViewer, FollowsLinksAndAnchorsAndGoesBackAndForward)
{
    // Catches links resolved against the wrong page, anchors that reload or
    // miss, a history that loses pages, and Back and Forward left in the
    // wrong state.
    open(shippedHelp);
    click("jugar.html");
    EXPECT_EQ(shown(), u"chm:/jugar.html");
    EXPECT_EQ(window->windowTitle(), u"Cómo jugar");
    EXPECT_TRUE(action("atras")->isEnabled());
    EXPECT_FALSE(action("adelante")->isEnabled());
    EXPECT_EQ(tree("contenido")->currentItem()->text(0), u"Cómo jugar");

    click("teclado.html#foco");
    EXPECT_EQ(shown(), u"chm:/teclado.html#foco");
    EXPECT_EQ(window->windowTitle(), u"El teclado");

    action("atras")->trigger();
    EXPECT_EQ(shown(), u"chm:/jugar.html");
    EXPECT_TRUE(action("adelante")->isEnabled());
    action("atras")->trigger();
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_FALSE(action("atras")->isEnabled());
    action("adelante")->trigger();
    action("adelante")->trigger();
    EXPECT_EQ(shown(), u"chm:/teclado.html#foco");
    EXPECT_FALSE(action("adelante")->isEnabled());

    action("inicio")->trigger();
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_EQ(window->windowTitle(), u"Ayuda de Palabrino");
}

TEST_F(HelpViewer, ActivatesTheLinkChosenWithTheKeyboard)
{
    // Catches pages whose links the browser does not see as links, so that
    // neither a click nor the keyboard can follow them.
    open(shippedHelp);
    page()->setFocus();
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    EXPECT_EQ(shown(), u"chm:/categorias.html");
}

TEST_F(HelpViewer, HandsWebAndMailLinksToTheDesktopAndRefusesTheRest)
{
    // Catches external addresses loaded as help pages, and help text able to
    // open local files or scripts through the desktop.
    open(shippedHelp);
    click("https://example.org/palabrino");
    click("mailto:ana@example.org");
    click("file:///etc/passwd");
    click("javascript:alert(1)");
    EXPECT_EQ(opened, (QStringList{QStringLiteral("https://example.org/palabrino"),
                                   QStringLiteral("mailto:ana@example.org")}));
    EXPECT_EQ(shown(), u"chm:/index.html");
    EXPECT_FALSE(action("atras")->isEnabled());
}

TEST_F(HelpViewer, OpensTheEntriesOfTheContentsAndTheIndex)
{
    // Catches table entries that open nothing or the wrong page.
    open(shippedHelp);
    QTreeWidgetItem* scoring = entry("contenido", QStringLiteral("La puntuación"));
    ASSERT_NE(scoring, nullptr);
    emit tree("contenido")->itemClicked(scoring, 0);
    EXPECT_EQ(shown(), u"chm:/puntos.html");
    EXPECT_EQ(window->windowTitle(), u"La puntuación");

    QTreeWidgetItem* focus = entry("indice", QStringLiteral("Foco del teclado"));
    ASSERT_NE(focus, nullptr);
    emit tree("indice")->itemActivated(focus, 0);
    EXPECT_EQ(shown(), u"chm:/teclado.html#foco");
    EXPECT_EQ(tree("contenido")->currentItem()->text(0), u"El teclado");
}

TEST_F(HelpViewer, SaysWhichPageOrHelpFileCannotBeShown)
{
    // Catches a crash or an empty window when the help file is missing or
    // damaged, a sentence that does not name the file, and a broken link that
    // leaves the old page on screen as if it had worked.
    open(shippedHelp);
    click("no-existe.html");
    EXPECT_TRUE(page()->toPlainText().contains(
        u"No se encuentra la página «no-existe.html» en el archivo de ayuda."));

    TempAppFolder folder;
    open(folder.nativeFile("ayuda.chm"));
    EXPECT_TRUE(page()->toPlainText().contains(u"No se encuentra el archivo de ayuda «ayuda.chm»."))
        << page()->toPlainText().toStdString();
    EXPECT_EQ(window->windowTitle(), u"Ayuda de Palabrino");
    EXPECT_FALSE(action("inicio")->isEnabled());
    EXPECT_FALSE(window->findChild<QTabWidget*>("navegacion")->isVisible());

    folder.write("roto.chm", QByteArray(4096, '\x5A'));
    open(folder.nativeFile("roto.chm"));
    EXPECT_TRUE(page()->toPlainText().contains(u"No se puede leer el archivo de ayuda «roto.chm»: "
                                               u"está dañado o no es un archivo de ayuda."));
}
