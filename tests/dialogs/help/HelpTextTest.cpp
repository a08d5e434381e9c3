#include "dialogs/help/HelpLinks.h"
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
// guess, Latin-1 taken for Windows-1252, and title entities left raw or unknown
// ones dropped. Each page in data/charset ends with the text beside it.
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

    EXPECT_EQ(htmltext::title(QStringLiteral("<HEAD><Title>\n  Preguntas &amp;\n"
                                             "respuestas &#241;&#xF1; &lt;b&gt;</TITLE>")),
              u"Preguntas & respuestas ññ <b>");
    EXPECT_EQ(htmltext::title(QStringLiteral("<title>Sin &eacute; &#0; &#xD800;</title>")),
              u"Sin &eacute; &#0; &#xD800;");
    EXPECT_EQ(htmltext::title(QStringLiteral("<body>sin título</body>")), u"");
}

// Catches children put at the top level, siblings nested under each other, the
// "site properties" object taken for an entry, entities left raw, and links
// into a help file ("ms-its:file::/page") or with escapes not read as its paths.
TEST(Sitemap, ReadsNestedEntriesAndSkipsTheTableProperties)
{
    const QString table = htmltext::decodeHtml(contents(data.filePath("anidada.hhc")));
    EXPECT_EQ(outline(parseSitemap(table)),
              u"Inicio(index.html)[Reglas & trucos(reglas.html#a)[Hoja()]]Final()");

    const auto path = [](const char* name, const char* link) {
        return helplinks::objectPath(
            helplinks::topicUrl(QString::fromUtf8(name)).resolved(QUrl(QString::fromUtf8(link))));
    };
    EXPECT_EQ(path("ms-its:ayuda.chm::/b.html", ""), u"/b.html");
    EXPECT_EQ(path("imagenes/", "../x%20y.html"), u"/x y.html");
}
