#include "help/Sitemap.h"
#include "help/HtmlText.h"
#include "support/DataFile.h"

#include <gtest/gtest.h>

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
// "site properties" object taken for an entry, and entities left raw or unknown
// and invalid ones dropped.
TEST(Sitemap, ReadsNestedEntriesAndSkipsTheTableProperties)
{
    EXPECT_EQ(outline(parseSitemap(htmltext::decodeHtml(dataFile("anidada.hhc")))),
              u"Inicio(index.html)[Reglas & trucos ññ <b>(reglas.html#a)[Hoja &eacute; &#0; "
              u"&#xD800;()]]Final()");
}
