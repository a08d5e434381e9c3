#include "dialogs/help/HelpLinks.h"
#include "dialogs/help/HtmlText.h"
#include "dialogs/help/Sitemap.h"

#include <gtest/gtest.h>

using helplinks::LinkKind;

TEST(HelpText, ReadsPagesInTheirDeclaredCharsetAndElseGuessesUtf8OrWindows1252)
{
    // Catches accents garbled in either direction, a declaration that loses
    // to the guess, Latin-1 taken for Windows-1252, and title entities left raw
    // or unknown ones dropped.
    const QString word = QStringLiteral("Cómo jugar: ñandú");
    const QByteArray utf8 = word.toUtf8();
    const QByteArray latin = "C\xF3mo jugar: \xF1"
                             "and\xFA";
    const struct {
        QByteArray html;
        QString expected;
    } cases[] = {
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">" + utf8, word},
        {"<META CHARSET='Windows-1252'>" + latin, word},
        {"<meta charset=iso-8859-1>\xC3\xB1", QStringLiteral("Ã±")},
        {"\xEF\xBB\xBF" + utf8, word},
        {utf8, word},
        {latin, word},
        {"10 \x80", QStringLiteral("10 €")},
    };
    for (const auto& test : cases)
        EXPECT_TRUE(htmltext::decodeHtml(test.html).endsWith(test.expected)) << test.html.data();

    EXPECT_EQ(htmltext::title(QStringLiteral("<HEAD><Title>\n  Preguntas &amp;\n"
                                             "respuestas &#241;&#xF1; &lt;b&gt;</TITLE>")),
              u"Preguntas & respuestas ññ <b>");
    EXPECT_EQ(htmltext::title(QStringLiteral("<title>Sin &eacute; &#0; &#xD800;</title>")),
              u"Sin &eacute; &#0; &#xD800;");
    EXPECT_EQ(htmltext::title(QStringLiteral("<body>sin título</body>")), u"");
}

TEST(Sitemap, ReadsNestedEntriesAndSkipsTheTableProperties)
{
    // Catches children put at the top level, siblings nested under each other,
    // the "site properties" object taken for an entry, and entities left raw.
    const std::vector<ChmTopic> topics = parseSitemap(QStringLiteral(R"(
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
        <UL><UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Sin cerrar">)"));
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].local, u"index.html");
    ASSERT_EQ(topics[0].children.size(), 1u);
    EXPECT_EQ(topics[0].children[0].name, u"Reglas & trucos");
    EXPECT_EQ(topics[0].children[0].local, u"reglas.html#a");
    ASSERT_EQ(topics[0].children[0].children.size(), 1u);
    EXPECT_EQ(topics[1].name, u"Final");
}

TEST(HelpLinks, KeepsPagesInsideAndLetsOnlyWebAndMailLinksOut)
{
    // Catches help text that could open local files or run script through the
    // desktop, and table entries that do not resolve to archive paths.
    EXPECT_EQ(
        helplinks::objectPath(helplinks::topicUrl(QStringLiteral("ms-its:ayuda.chm::/b.html"))),
        u"/b.html");
    EXPECT_EQ(helplinks::objectPath(
                  helplinks::topicUrl(QStringLiteral("imagenes/")).resolved(QUrl("../x%20y.html"))),
              u"/x y.html");
    const struct {
        const char* link;
        LinkKind kind;
    } cases[] = {
        {"b.html", LinkKind::Topic},
        {"chm:/b.html", LinkKind::Topic},
        {"https://example.org/", LinkKind::External},
        {"MAILTO:ana@example.org", LinkKind::External},
        {"file:///etc/passwd", LinkKind::Refused},
        {"javascript:alert(1)", LinkKind::Refused},
    };
    for (const auto& test : cases)
        EXPECT_EQ(helplinks::linkKind(QUrl(test.link)), test.kind) << test.link;
}
