#include "help/HelpWindow.h"
#include "help/HelpBrowser.h"
#include "support/DataFile.h"
#include "support/TempAppFolder.h"
#include "support/Transcript.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class HelpViewer : public ::testing::Test {
protected:
    HelpBrowser* page() const { return window->findChild<HelpBrowser*>("pagina"); }
    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }
    QTreeWidget* tree(const QString& name) const { return window->findChild<QTreeWidget*>(name); }

    // The page shown, the last line of a short one (such as a message saying
    // why it cannot be), the window's title, the contents entry marked, which
    // of Back, Forward, Home and the tables are on, and any address handed to
    // the desktop.
    QString state()
    {
        const QTreeWidgetItem* marked = tree("contenido")->currentItem();
        const QStringList text = page()->toPlainText().split(u'\n');
        const bool on[] = {action("atras")->isEnabled(), action("adelante")->isEnabled(),
                           action("inicio")->isEnabled(),
                           window->findChild<QTabWidget*>("navegacion")->isVisible()};
        QString flags;
        for (int i = 0; i < 4; ++i)
            flags += on[i] ? "<>it"[i] : '-';
        QStringList seen{page()->source().toString(),
                         text.size() <= 2 ? text.back().trimmed() : QString(),
                         window->windowTitle(), marked ? marked->text(0) : QString(), flags};
        if (!opened.isEmpty())
            seen.append("fuera: " + opened.join(u' '));
        opened.clear();
        return seen.join(" | ");
    }

    void open(const QString& file)
    {
        window = std::make_unique<HelpWindow>(
            file, [this](const QUrl& url) { opened.append(url.toString()); });
        window->show();
    }

    // One move of a transcript line: "abrir FILE", "enlace HREF" (a click as
    // the page writes it), "contenido ENTRY" (a click), "indice ENTRY" (the
    // keyboard), "teclado" (Tab and Return on the page) or an action's name.
    void play(const QString& verb, const QString& what, const QDir& files)
    {
        if (verb == "abrir") {
            open(files.filePath(what));
        } else if (verb == "enlace") {
            emit page()->anchorClicked(QUrl(what));
        } else if (verb == "contenido" || verb == "indice") {
            const auto found = tree(verb)->findItems(what, Qt::MatchRecursive);
            ASSERT_FALSE(found.isEmpty()) << what.toStdString();
            const auto picked =
                verb == "contenido" ? &QTreeWidget::itemClicked : &QTreeWidget::itemActivated;
            emit(tree(verb)->*picked)(found.front(), 0);
        } else if (verb == "teclado") {
            QTest::keyClick(page(), Qt::Key_Tab);
            QTest::keyClick(page(), Qt::Key_Return);
        } else {
            ASSERT_TRUE(action(verb)) << verb.toStdString();
            action(verb)->trigger();
        }
    }

    std::unique_ptr<HelpWindow> window;
    QStringList opened;
};

} // namespace

// Catches a viewer that opens no page or the wrong one (the order of default
// topic, default window, contents and index.html), a damaged or missing help
// file shown as an empty window or told without its name, accents garbled by a
// declared character set losing to the guess or by a wrong guess, links resolved
// against the wrong page, with their escapes kept or as links into a help file
// ("ms-its:file::/page") not read as its pages, or followed by neither keyboard
// nor tables, a broken link that leaves the old page on screen, Back and
// Forward in the wrong state, and external addresses loaded as pages or local
// files and scripts handed to the desktop. data/recorrido.txt holds each move
// with what the player sees after it.
TEST_F(HelpViewer, PlaysTheTranscriptOfMovesAndWhatIsSeenAfterEach)
{
    TempAppFolder files;
    QFileInfoList chms = QDir(QStringLiteral(HELP_TEST_CHM_DIR)).entryInfoList({"*.chm"});
    for (const QFileInfo& chm : chms << QFileInfo(QStringLiteral(PALABRINO_HELP_FILE)))
        ASSERT_TRUE(QFile::copy(chm.filePath(), files.nativeFile(chm.fileName())));
    files.write("cortado.chm", files.read("ayuda.chm").chopped(1));
    files.write("vacio.chm", QByteArray());
    files.write("basura.chm", QByteArray(4096, '\x5A'));
    files.write("carpeta.chm/dentro", "x");

    const QString expected = QString::fromUtf8(dataFile("recorrido.txt"));
    const QString seen = playTranscript(expected, [&](const QString& verb, const QString& what) {
        play(verb, what, QDir(files.path()));
        return state();
    });
    EXPECT_EQ(seen.toStdString(), expected.toStdString());
}

// The help compiler refuses a missing picture, not one that does not decode.
TEST_F(HelpViewer, ShowsEveryPictureOfTheHelp)
{
    open(QStringLiteral(PALABRINO_HELP_FILE));
    const QStringList pictures = QDir(QStringLiteral(PALABRINO_SOURCE_DIR "/data/ayuda/imagenes"))
                                     .entryList({"*.png", "*.gif", "*.jpg"});
    EXPECT_FALSE(pictures.isEmpty());
    for (const QString& name : pictures) {
        const QVariant bytes =
            page()->loadResource(QTextDocument::ImageResource, QUrl("imagenes/" + name));
        EXPECT_FALSE(QImage::fromData(bytes.toByteArray()).isNull()) << name.toStdString();
    }
}
