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

// Why a link from `page` does not lead anywhere in the archive; "" when it does.
QString brokenLink(const ChmArchive& archive, const QString& page, const QString& link)
{
    static const QRegularExpression anchor(QStringLiteral(R"re(\b(?:name|id)\s*=\s*"([^"]*)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QUrl url = helplinks::topicUrl(page).resolved(QUrl(link));
    if (helplinks::linkKind(url) != helplinks::LinkKind::Topic)
        return {};
    const auto target = archive.read(helplinks::objectPath(url));
    if (!target)
        return page + QStringLiteral(" -> ") + link;
    if (!url.hasFragment())
        return {};
    const QString html = htmltext::decodeHtml(*target);
    for (auto it = anchor.globalMatch(html); it.hasNext();) {
        if (it.next().captured(1) == url.fragment(QUrl::FullyDecoded))
            return {};
    }
    return page + QStringLiteral(" -> ") + link + QStringLiteral(": no such anchor");
}

} // namespace

TEST(ChmArchive, EveryTableEntryLinkAndPictureOfTheShippedHelpResolvesInsideIt)
{
    // Catches broken help: a table entry naming a renamed page, a misspelt
    // page or anchor, a picture not compiled in or not decodable, and tables
    // read in the wrong character set.
    const ChmArchive archive(shippedHelp);
    ASSERT_EQ(archive.status(), ChmArchive::Status::Open);
    EXPECT_EQ(archive.defaultTopic(), u"/index.html");
    EXPECT_EQ(archive.title(), u"Ayuda de Palabrino");
    QStringList pages;
    collectPages(archive.contents(), pages);
    EXPECT_TRUE(archive.contents().front().children.size() > 1);
    collectPages(archive.index(), pages);
    pages.removeDuplicates();
    EXPECT_EQ(pages.size(), 10);

    static const QRegularExpression reference(QStringLiteral(R"re(\b(href|src)\s*=\s*"([^"]*)")re"),
                                              QRegularExpression::CaseInsensitiveOption);
    int pictures = 0;
    for (const QString& page : pages) {
        const QString html = htmltext::decodeHtml(archive.read(page).value_or(""));
        EXPECT_FALSE(html.isEmpty()) << page.toStdString();
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString link = match.captured(2);
            EXPECT_EQ(brokenLink(archive, page, link), u"");
            if (match.captured(1).compare(u"src", Qt::CaseInsensitive) == 0) {
                const QUrl url = helplinks::topicUrl(page).resolved(QUrl(link));
                EXPECT_FALSE(QImage::fromData(archive.read(helplinks::objectPath(url)).value_or(""))
                                 .isNull())
                    << link.toStdString();
                ++pictures;
            }
        }
    }
    EXPECT_GE(pictures, 2);
}

TEST(ChmArchive, SaysAMissingFileAndADamagedFileApartWithoutCrashing)
{
    // Catches a crash or a "success" on a file that is not a help file, a
    // missing file reported as a damaged one, and a copy cut short read with
    // zeros for its missing half.
    TempAppFolder folder;
    QFile shipped(shippedHelp);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    folder.write("basura.chm", QByteArray(64 * 1024, '\x5A'));
    folder.write("vacio.chm", QByteArray());
    folder.write("cortado.chm", whole.first(whole.size() - 1));
    folder.write("copia.chm", whole);
    const struct {
        QString file;
        ChmArchive::Status status;
    } cases[] = {
        {folder.nativeFile("falta.chm"), ChmArchive::Status::Missing},
        {folder.nativeFile("basura.chm"), ChmArchive::Status::Unreadable},
        {folder.nativeFile("vacio.chm"), ChmArchive::Status::Unreadable},
        {folder.nativeFile("cortado.chm"), ChmArchive::Status::Unreadable},
        {folder.path(), ChmArchive::Status::Unreadable},
        {folder.nativeFile("copia.chm"), ChmArchive::Status::Open},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.file.toStdString());
        const ChmArchive archive(test.file);
        EXPECT_EQ(archive.status(), test.status);
        if (test.status != ChmArchive::Status::Open) {
            EXPECT_FALSE(archive.read(QStringLiteral("/index.html")));
            EXPECT_EQ(archive.defaultTopic(), u"");
            EXPECT_TRUE(archive.contents().empty());
        }
    }
}

TEST(ChmArchive, TakesTheFirstPageFromTheDefaultTopicWindowContentsOrIndexInThatOrder)
{
    // Catches a wrong order of the fallbacks, and a declared first page that is
    // not in the file being opened anyway (roto names "falta.html").
    const struct {
        const char* file;
        const char* expected;
    } cases[] = {
        {"sistema", "/c.html"},   // default topic c, window b, contents index
        {"ventana", "/b.html"},   // window b, contents index
        {"contenido", "/c.html"}, // contents starting with c
        {"nada", "/index.html"},  // nothing declared
        {"roto", "/c.html"},      // missing default topic, contents starting with c
    };
    for (const auto& test : cases) {
        const ChmArchive archive(QStringLiteral(HELP_TEST_CHM_DIR "/%1.chm").arg(test.file));
        ASSERT_EQ(archive.status(), ChmArchive::Status::Open) << test.file;
        EXPECT_EQ(archive.defaultTopic(), QLatin1String(test.expected)) << test.file;
    }
}
