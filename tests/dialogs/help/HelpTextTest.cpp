#include "dialogs/help/HtmlText.h"
#include "dialogs/help/Sitemap.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QDir data(QStringLiteral(PALABRINO_TEST_DATA_DIR));

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "name(local)[children]" for each entry in order.
QString outline(const std::vector<ChmTopic>& topics)
{
    QString text;
    for (const ChmTopic& topic : topics) {
        text += topic.name + u'(' + topic.local + u')';
        if (!topic.children.empty())
            text += u'[' + outline(topic.children) + u']';
    }
    return text;
}

} // namespace

// Catches accents garbled in either direction, a declaration that loses to the
// guess, and Latin-1 taken for Windows-1252. Each page in data/charset ends
// with the text beside it.
TEST(HelpText, ReadsPagesInTheirDeclaredCharsetAndElseGuessesUtf8OrWindows1252)
{
    const QDir cases(data.filePath(QStringLiteral("charset")));
    const QStringList pages = cases.entryList({QStringLiteral("*.html")});
    EXPECT_EQ(pages.size(), 7);
    for (const QString& page : pages) {
        const QString expected =
            QString::fromUtf8(contents(cases.filePath(page.chopped(4) + "txt")));
        EXPECT_TRUE(
            htmltext::decodeHtml(contents(cases.filePath(page))).endsWith(expected.trimmed()))
            << page.toStdString();
    }
}

// Catches children put at the top level, siblings nested under each other, the
// "site properties" object taken for an entry, and entities left raw or unknown
// and invalid ones dropped.
TEST(Sitemap, ReadsNestedEntriesAndSkipsTheTableProperties)
{
    const QString table = htmltext::decodeHtml(contents(data.filePath("anidada.hhc")));
    EXPECT_EQ(outline(parseSitemap(table)),
              u"Inicio(index.html)[Reglas & trucos ññ <b>(reglas.html#a)[Hoja &eacute; &#0; "
              u"&#xD800;()]]Final()");
}
