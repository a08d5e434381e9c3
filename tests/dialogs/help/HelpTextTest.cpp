#include "dialogs/help/HelpLinks.h"
#include "dialogs/help/HtmlText.h"
#include "dialogs/help/Sitemap.h"

#include <gtest/gtest.h>

using helplinks::LinkKind;

TEST(HelpText, ReadsPagesInTheirDeclaredCharsetAndElseGuessesUtf8OrWindows1252)
{
    // Catches accents garbled in either direction: a Windows-1252 page read as
    // UTF-8, or a UTF-8 page read byte by byte.
    const QString word = QStringLiteral("Cómo jugar: ñandú");
    const QByteArray utf8 = word.toUtf8();
    const QByteArray latin = "C\xF3mo jugar: \xF1"
                             "and\xFA";

    EXPECT_TRUE(htmltext::decodeHtml("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                     "charset=utf-8\">" +
                                     utf8)
                    .endsWith(word));
    EXPECT_TRUE(htmltext::decodeHtml("<META CHARSET='Windows-1252'>" + latin).endsWith(word));
    // The declaration wins over the guess: these two bytes are valid UTF-8 too.
    EXPECT_TRUE(htmltext::decodeHtml("<meta charset=iso-8859-1>\xC3\xB1").endsWith(u"Ã±"));
    EXPECT_EQ(htmltext::decodeHtml("\xEF\xBB\xBF" + utf8), word);
    EXPECT_EQ(htmltext::decodeHtml(utf8), word);
    EXPECT_EQ(htmltext::decodeHtml(latin), word);
    // Windows-1252, not Latin-1: 0x80 is the euro sign.
    EXPECT_EQ(htmltext::decode("10 \x80"), u"10 €");
}

TEST(HelpText, TakesThePageTitleWithItsEntitiesDecoded)
{
    // Catches window titles showing "&amp;" or raw references, a title spread
    // over lines, and unknown entities silently dropped.
    EXPECT_EQ(htmltext::title(QStringLiteral("<html><HEAD><Title>\n  Preguntas &amp;\n"
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
            <LI><OBJECT type="text/sitemap"><param name="Name" value="Sin página"></OBJECT>
            <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Hoja">
                <param name="Local" value="hoja.html"></OBJECT>
            </UL>
          </UL>
          <LI><OBJECT type="text/sitemap"><param name="Name" value="Final">
              <param name="Local" value="final.html"></OBJECT>
        </UL>
        <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Otra lista"></OBJECT></UL>
        <UL><UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Sin cerrar">)"));

    ASSERT_EQ(topics.size(), 3u);
    EXPECT_EQ(topics[0].name, u"Inicio");
    EXPECT_EQ(topics[0].local, u"index.html");
    ASSERT_EQ(topics[0].children.size(), 2u);
    EXPECT_EQ(topics[0].children[0].name, u"Reglas & trucos");
    EXPECT_EQ(topics[0].children[0].local, u"reglas.html#a");
    EXPECT_EQ(topics[0].children[1].local, u"");
    ASSERT_EQ(topics[0].children[1].children.size(), 1u);
    EXPECT_EQ(topics[0].children[1].children[0].name, u"Hoja");
    EXPECT_EQ(topics[1].name, u"Final");
    EXPECT_EQ(topics[2].name, u"Otra lista");
    EXPECT_TRUE(parseSitemap(QStringLiteral("<p>nada</p>")).empty());
}

TEST(HelpLinks, KeepsPagesInsideAndLetsOnlyWebAndMailLinksOut)
{
    // Catches help text that could open local files or run script through the
    // desktop, and table entries that do not resolve to archive paths.
    EXPECT_EQ(helplinks::topicUrl(QStringLiteral("puntos.html#ejemplo")).toString(),
              u"chm:/puntos.html#ejemplo");
    EXPECT_EQ(helplinks::topicUrl(QStringLiteral("/imagenes/a.png")).toString(),
              u"chm:/imagenes/a.png");
    EXPECT_EQ(
        helplinks::objectPath(helplinks::topicUrl(QStringLiteral("ms-its:ayuda.chm::/b.html"))),
        u"/b.html");
    EXPECT_EQ(helplinks::objectPath(
                  helplinks::topicUrl(QStringLiteral("imagenes/")).resolved(QUrl("../x%20y.html"))),
              u"/x y.html");

    EXPECT_EQ(helplinks::linkKind(QUrl("b.html")), LinkKind::Topic);
    EXPECT_EQ(helplinks::linkKind(QUrl("chm:/b.html")), LinkKind::Topic);
    EXPECT_EQ(helplinks::linkKind(QUrl("https://example.org/")), LinkKind::External);
    EXPECT_EQ(helplinks::linkKind(QUrl("MAILTO:ana@example.org")), LinkKind::External);
    EXPECT_EQ(helplinks::linkKind(QUrl("file:///etc/passwd")), LinkKind::Refused);
    EXPECT_EQ(helplinks::linkKind(QUrl("javascript:alert(1)")), LinkKind::Refused);
}
