#include "dialogs/help/ChmArchive.h"
#include "dialogs/help/HelpLinks.h"
#include "dialogs/help/HtmlText.h"
#include "support/TempAppFolder.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString shippedHelp = QStringLiteral(PALABRINO_HELP_FILE);

void collectPages(const std::vector<ChmTopic>& topics, QStringList& pages)
{
    for (const ChmTopic& topic : topics) {
        if (!topic.local.isEmpty())
            pages.append(helplinks::objectPath(helplinks::topicUrl(topic.local)));
        collectPages(topic.children, pages);
    }
}

} // namespace

// Catches broken help: a table entry naming a renamed page, tables read in part,
// and a picture that is not a picture.
TEST(ChmArchive, EveryTableEntryAndPictureOfTheShippedHelpIsReadableInsideIt)
{
    const ChmArchive archive(shippedHelp);
    EXPECT_EQ(archive.title(), u"Ayuda de Palabrino");
    QStringList pages;
    collectPages(archive.contents(), pages);
    collectPages(archive.index(), pages);
    pages.removeDuplicates();
    EXPECT_EQ(pages.size(), 10);

    // The help compiler already fails the build on a page link, anchor or
    // picture it cannot find, but not on a picture it cannot decode.
    static const QRegularExpression picture(QStringLiteral(R"re(\bsrc\s*=\s*"([^"]*)")re"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (const QString& page : pages) {
        const QString html = htmltext::decodeHtml(archive.read(page).value_or(""));
        EXPECT_FALSE(html.isEmpty()) << page.toStdString();
        for (auto it = picture.globalMatch(html); it.hasNext();) {
            const QUrl url = helplinks::topicUrl(page).resolved(QUrl(it.next().captured(1)));
            const QByteArray bytes = archive.read(helplinks::objectPath(url)).value_or("");
            EXPECT_FALSE(QImage::fromData(bytes).isNull()) << url.toString().toStdString();
        }
    }
}

// Catches a crash or a "success" on a file that is not a help file, a missing
// file reported as a damaged one, a copy cut short read with zeros for its
// missing half, a wrong order of the first page's fallbacks (default topic,
// default window, contents, index.html), and a declared first page that is not
// in the file used anyway.
TEST(ChmArchive, SaysMissingAndDamagedFilesApartAndFindsTheFirstPage)
{
    TempAppFolder folder;
    QFile shipped(shippedHelp);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    folder.write("basura.chm", QByteArray(64 * 1024, '\x5A'));
    folder.write("vacio.chm", QByteArray());
    folder.write("cortado.chm", whole.first(whole.size() - 1));
    folder.write("copia.chm", whole);
    const auto chm = [](const char* name) { return QStringLiteral(HELP_TEST_CHM_DIR "/") + name; };
    using enum ChmArchive::Status;
    const struct {
        QString file;
        ChmArchive::Status status;
        const char* first;
    } cases[] = {
        {folder.nativeFile("falta.chm"), Missing, ""},
        {folder.nativeFile("basura.chm"), Unreadable, ""},
        {folder.nativeFile("vacio.chm"), Unreadable, ""},
        {folder.nativeFile("cortado.chm"), Unreadable, ""},
        {folder.path(), Unreadable, ""},
        {folder.nativeFile("copia.chm"), Open, "/index.html"},
        {chm("sistema.chm"), Open, "/c.html"},   // default topic c, window b, contents index
        {chm("ventana.chm"), Open, "/b.html"},   // window b, contents index
        {chm("contenido.chm"), Open, "/c.html"}, // contents starting with c
        {chm("nada.chm"), Open, "/index.html"},  // nothing declared
        {chm("roto.chm"), Open, "/c.html"},      // missing default topic, contents c
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.file.toStdString());
        const ChmArchive archive(test.file);
        EXPECT_EQ(archive.status(), test.status);
        EXPECT_EQ(archive.defaultTopic(), QLatin1String(test.first));
    }
}
