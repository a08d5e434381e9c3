#include "dialogs/help/HelpWindow.h"
#include "dialogs/help/HelpBrowser.h"
#include "support/TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
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

    // The page shown, the window's title, the contents entry marked, and
    // whether Back and Forward are enabled.
    std::string state() const
    {
        const QTreeWidgetItem* marked = tree("contenido")->currentItem();
        return QStringLiteral("%1 | %2 | %3 | %4%5")
            .arg(page()->source().toString(), window->windowTitle(),
                 marked ? marked->text(0) : QString(), action("atras")->isEnabled() ? "<" : "-",
                 action("adelante")->isEnabled() ? ">" : "-")
            .toStdString();
    }

    void open(const QString& file = QStringLiteral(PALABRINO_HELP_FILE))
    {
        window = std::make_unique<HelpWindow>(
            file, [this](const QUrl& url) { opened.append(url.toString()); });
        window->show();
    }

    // A click on a link: the browser reports the address as written in the page.
    void click(const char* href) { emit page()->anchorClicked(QUrl(QString::fromUtf8(href))); }

    // An entry of a table picked by a click or by the keyboard.
    void choose(const char* treeName, const char* text,
                void (QTreeWidget::*picked)(QTreeWidgetItem*, int))
    {
        const auto found = tree(treeName)->findItems(QString::fromUtf8(text), Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty()) << text;
        emit(tree(treeName)->*picked)(found.front(), 0);
    }

    std::unique_ptr<HelpWindow> window;
    QStringList opened;
};

} // namespace

// Catches a viewer that opens no page or the wrong one, tables or titles
// decoded in the wrong character set, pictures the archive does not supply,
// links resolved against the wrong page, table entries that open nothing,
// links the keyboard cannot follow, Back and Forward in the wrong state, and
// external addresses loaded as pages or local files and scripts handed to the
// desktop.
TEST_F(HelpViewer, FollowsLinksTablesKeysAndHistoryAndHandsOnlyWebAndMailOut)
{
    open();
    EXPECT_EQ(state(), "chm:/index.html | Ayuda de Palabrino | Ayuda de Palabrino | --");
    // The help compiler refuses a missing picture, not one that does not decode.
    const QStringList pictures = QDir(QStringLiteral(PALABRINO_SOURCE_DIR "/data/ayuda/imagenes"))
                                     .entryList({"*.png", "*.gif", "*.jpg"});
    EXPECT_FALSE(pictures.isEmpty());
    for (const QString& name : pictures) {
        const QVariant bytes =
            page()->loadResource(QTextDocument::ImageResource, QUrl("imagenes/" + name));
        EXPECT_FALSE(QImage::fromData(bytes.toByteArray()).isNull()) << name.toStdString();
    }
    for (const char* link : {"https://example.org/palabrino", "MAILTO:ana@example.org",
                             "file:///etc/passwd", "javascript:alert(1)"})
        click(link);
    EXPECT_EQ(opened, QStringList({"https://example.org/palabrino", "mailto:ana@example.org"}));
    EXPECT_EQ(state(), "chm:/index.html | Ayuda de Palabrino | Ayuda de Palabrino | --");

    click("jugar.html");
    EXPECT_EQ(state(), "chm:/jugar.html | Cómo jugar | Cómo jugar | <-");
    click("teclado.html#foco");
    action("atras")->trigger();
    action("atras")->trigger();
    EXPECT_EQ(state(), "chm:/index.html | Ayuda de Palabrino | Ayuda de Palabrino | ->");
    action("adelante")->trigger();
    action("adelante")->trigger();
    EXPECT_EQ(state(), "chm:/teclado.html#foco | El teclado | El teclado | <-");

    choose("contenido", "La puntuación", &QTreeWidget::itemClicked);
    EXPECT_EQ(window->windowTitle(), "La puntuación");
    choose("indice", "Foco del teclado", &QTreeWidget::itemActivated);
    EXPECT_EQ(state(), "chm:/teclado.html#foco | El teclado | El teclado | <-");

    action("inicio")->trigger();
    page()->setFocus();
    for (const int key : {Qt::Key_Tab, Qt::Key_Return}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(page(), &down);
    }
    EXPECT_EQ(page()->source(), QUrl("chm:/categorias.html"));
}

// Catches a crash or an empty window when the help file is missing or damaged,
// a sentence that does not name the file, and a broken link that leaves the
// old page on screen as if it had worked.
TEST_F(HelpViewer, SaysWhichPageOrHelpFileCannotBeShown)
{
    const auto says = [this](const char16_t* text) { return page()->toPlainText().contains(text); };
    open();
    click("no-existe.html");
    EXPECT_TRUE(says(u"No se encuentra la página «no-existe.html» en el archivo de ayuda."));

    TempAppFolder folder;
    folder.write("roto.chm", QByteArray(4096, '\x5A'));
    open(folder.nativeFile("roto.chm"));
    EXPECT_TRUE(says(u"No se puede leer el archivo de ayuda «roto.chm»: está dañado o no es un "
                     u"archivo de ayuda."));
    open(folder.nativeFile("ayuda.chm"));
    EXPECT_TRUE(says(u"No se encuentra el archivo de ayuda «ayuda.chm»."));
    EXPECT_EQ(window->windowTitle(), u"Ayuda de Palabrino");
    EXPECT_FALSE(action("inicio")->isEnabled() ||
                 window->findChild<QTabWidget*>("navegacion")->isVisible());
}
