#include "dialogs/help/HelpLinks.h"
#include "dialogs/help/HtmlText.h"
#include "dialogs/help/Sitemap.h"

#include <gtest/gtest.h>

// Catches accents garbled in either direction, a declaration that loses to the
// guess, Latin-1 taken for Windows-1252, and title entities left raw or unknown
// ones dropped.
TEST(HelpText, ReadsPagesInTheirDeclaredCharsetAndElseGuessesUtf8OrWindows1252)
{
    const QString word = QStringLiteral("Cómo jugar: ñandú");
    const QByteArray utf8 = word.toUtf8();
    const QByteArray latin = "C\xF3mo jugar: \xF1"
                             "and\xFA";
    const std::pair<QByteArray, QString> cases[] = {
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">" + utf8, word},
        {"<META CHARSET='Windows-1252'>" + latin, word},
        {"<meta charset=iso-8859-1>\xC3\xB1", QStringLiteral("Ã±")},
        {"\xEF\xBB\xBF" + utf8, word},
        {utf8, word},
        {latin, word},
        {"10 \x80", QStringLiteral("10 €")},
    };
    for (const auto& [html, expected] : cases)
        EXPECT_TRUE(htmltext::decodeHtml(html).endsWith(expected)) << html.data();

    EXPECT_EQ(htmltext::title(QStringLiteral("<HEAD><Title>\n  Preguntas &amp;\n"
                                             "respuestas &#241;&#xF1; &lt;b&gt;</TITLE>")),
              u"Preguntas & respuestas ññ <b>");
    EXPECT_EQ(htmltext::title(QStringLiteral("<title>Sin &eacute; &#0; &#xD800;</title>")),
              u"Sin &eacute; &#0; &#xD800;");
    EXPECT_EQ(htmltext::title(QStringLiteral("<body>sin título</body>")), u"");
}

namespace {

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

// Catches children put at the top level, siblings nested under each other, the
// "site properties" object taken for an entry, entities left raw, and links
// into a help file ("ms-its:file::/page") or with escapes not read as its paths.
TEST(Sitemap, ReadsNestedEntriesAndSkipsTheTableProperties)
{
    EXPECT_EQ(outline(parseSitemap(QStringLiteral(R"(
        <OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>
        <UL>
          <LI><OBJECT type="text/sitemap"><param name="Name" value="Inicio">
              <param name="Local" value="index.html"></OBJECT>
          <UL>
            <LI><object type="text/sitemap"><param name=name value='Reglas &amp; trucos'>
                <param name="local" value="reglas.html#a"><param name="Local" value="otra.html">
                </object>
            <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Hoja"></OBJECT></UL>
          </UL>
          <LI><OBJECT type="text/sitemap"><param name="Name" value="Final"></OBJECT>
        </UL>
        <UL><UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Sin cerrar">)")))
                  .toStdString(),
              "Inicio(index.html)[Reglas & trucos(reglas.html#a)[Hoja()]]Final()");

    const auto path = [](const char* name, const char* link) {
        return helplinks::objectPath(
            helplinks::topicUrl(QString::fromUtf8(name)).resolved(QUrl(QString::fromUtf8(link))));
    };
    EXPECT_EQ(path("ms-its:ayuda.chm::/b.html", ""), u"/b.html");
    EXPECT_EQ(path("imagenes/", "../x%20y.html"), u"/x y.html");
}
