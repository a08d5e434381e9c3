#include "dialogs/help/ChmArchive.h"
#include "dialogs/help/HelpLinks.h"
#include "dialogs/help/HtmlText.h"
#include "support/TempAppFolder.h"

#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString shippedHelp = QStringLiteral(PALABRINO_HELP_FILE);

QString testHelp(const char* name)
{
    return QStringLiteral(HELP_TEST_CHM_DIR "/%1.chm").arg(QLatin1String(name));
}

void collectPages(const std::vector<ChmTopic>& topics, QStringList& pages)
{
    for (const ChmTopic& topic : topics) {
        if (!topic.local.isEmpty())
            pages.append(topic.local);
        collectPages(topic.children, pages);
    }
}

// The anchors a page offers to links ending in "#name".
QStringList anchorsOf(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re(\b(?:name|id)\s*=\s*"([^"]*)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList anchors;
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        anchors.append(it.next().captured(1));
    return anchors;
}

// Why a link from `page` does not lead anywhere in the archive; "" when it does.
QString brokenLink(const ChmArchive& archive, const QString& page, const QString& link)
{
    const QUrl url = helplinks::topicUrl(page).resolved(QUrl(link));
    if (helplinks::linkKind(url) != helplinks::LinkKind::Topic)
        return {};
    const auto target = archive.read(helplinks::objectPath(url));
    if (!target)
        return QStringLiteral("%1 -> %2: no such object").arg(page, link);
    if (url.hasFragment() &&
        !anchorsOf(htmltext::decodeHtml(*target)).contains(url.fragment(QUrl::FullyDecoded)))
        return QStringLiteral("%1 -> %2: no such anchor").arg(page, link);
    return {};
}

} // namespace

TEST(ChmArchive, OpensTheShippedHelpOnItsSpanishStartPage)
{
    // Catches a help file compiled without its default topic or title, and
    // titles whose accents are decoded in the wrong character set.
    const ChmArchive archive(shippedHelp);
    ASSERT_EQ(archive.status(), ChmArchive::Status::Open);
    EXPECT_EQ(archive.defaultTopic(), u"/index.html");
    EXPECT_EQ(archive.title(), u"Ayuda de Palabrino");
    EXPECT_EQ(archive.topicTitle(archive.defaultTopic()), u"Ayuda de Palabrino");
    EXPECT_EQ(archive.topicTitle(QStringLiteral("jugar.html")), u"Cómo jugar");
    EXPECT_EQ(archive.topicTitle(QStringLiteral("/PUNTOS.HTML#ejemplo")), u"La puntuación");
    EXPECT_EQ(archive.topicTitle(QStringLiteral("falta.html")), u"");
}

TEST(ChmArchive, EveryContentsAndIndexEntryOpensAPageOfTheArchive)
{
    // Catches a table entry naming a page that was renamed or left out of the
    // project, a page nobody can reach from the contents, and Windows-1252
    // tables read as UTF-8.
    const ChmArchive archive(shippedHelp);
    const std::vector<ChmTopic> contents = archive.contents();
    ASSERT_FALSE(contents.empty());
    EXPECT_EQ(contents.front().name, u"Ayuda de Palabrino");
    QStringList names;
    for (const ChmTopic& topic : contents.front().children)
        names.append(topic.name);
    EXPECT_TRUE(names.contains(u"La puntuación")) << names.join(u", ").toStdString();

    QStringList listed;
    collectPages(contents, listed);
    QStringList indexed;
    collectPages(archive.index(), indexed);
    EXPECT_GE(indexed.size(), 10);
    for (const QString& local : listed + indexed)
        EXPECT_EQ(brokenLink(archive, QStringLiteral("/"), local), u"") << local.toStdString();

    for (const QString& file : archive.files()) {
        if (!file.endsWith(u".html"))
            continue;
        const bool reachable = std::any_of(listed.begin(), listed.end(), [&](const QString& local) {
            return helplinks::objectPath(helplinks::topicUrl(local)) == file;
        });
        EXPECT_TRUE(reachable) << file.toStdString() << " is not in the contents";
    }
}

TEST(ChmArchive, EveryLinkAndPictureOfEveryPageResolvesInsideTheArchive)
{
    // Catches broken help: a misspelt page or anchor, a picture or style sheet
    // not compiled in, or a picture that does not decode.
    const ChmArchive archive(shippedHelp);
    static const QRegularExpression reference(QStringLiteral(R"re(\b(href|src)\s*=\s*"([^"]*)")re"),
                                              QRegularExpression::CaseInsensitiveOption);
    int pages = 0;
    int pictures = 0;
    for (const QString& file : archive.files()) {
        if (!file.endsWith(u".html"))
            continue;
        ++pages;
        const QString html = htmltext::decodeHtml(archive.read(file).value());
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString link = match.captured(2);
            EXPECT_EQ(brokenLink(archive, file, link), u"");
            if (match.captured(1).compare(u"src", Qt::CaseInsensitive) == 0) {
                const QUrl url = helplinks::topicUrl(file).resolved(QUrl(link));
                const QImage picture =
                    QImage::fromData(archive.read(helplinks::objectPath(url)).value_or(""));
                EXPECT_FALSE(picture.isNull()) << link.toStdString();
                ++pictures;
            }
        }
    }
    EXPECT_EQ(pages, 10);
    EXPECT_GE(pictures, 2);
}

TEST(ChmArchive, SaysAMissingFileAndAGarbageFileApartWithoutCrashing)
{
    // Catches a crash or a "success" on a file that is not a help file, and a
    // missing file reported as a damaged one.
    TempAppFolder folder;
    const ChmArchive missing(folder.nativeFile("ayuda.chm"));
    EXPECT_EQ(missing.status(), ChmArchive::Status::Missing);
    EXPECT_FALSE(missing.read(QStringLiteral("/index.html")));
    EXPECT_EQ(missing.defaultTopic(), u"");
    EXPECT_TRUE(missing.contents().empty());

    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(20020811);
    for (char& byte : garbage)
        byte = static_cast<char>(generator.bounded(256));
    folder.write("basura.chm", garbage);
    folder.write("vacio.chm", QByteArray());
    for (const char* name : {"basura.chm", "vacio.chm"}) {
        const ChmArchive archive(folder.nativeFile(name));
        EXPECT_EQ(archive.status(), ChmArchive::Status::Unreadable) << name;
        EXPECT_TRUE(archive.files().isEmpty()) << name;
        EXPECT_EQ(archive.defaultTopic(), u"") << name;
    }
    const ChmArchive folderItself(folder.path());
    EXPECT_EQ(folderItself.status(), ChmArchive::Status::Unreadable);

    // chmlib alone would hand out the missing half of a copy cut short as zeros.
    QFile shipped(shippedHelp);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    folder.write("cortado.chm", whole.first(whole.size() - 1));
    EXPECT_EQ(ChmArchive(folder.nativeFile("cortado.chm")).status(),
              ChmArchive::Status::Unreadable);
    folder.write("copia.chm", whole);
    EXPECT_EQ(ChmArchive(folder.nativeFile("copia.chm")).status(), ChmArchive::Status::Open);
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
        const ChmArchive archive(testHelp(test.file));
        ASSERT_TRUE(archive.isOpen()) << test.file;
        EXPECT_EQ(archive.defaultTopic(), QLatin1String(test.expected)) << test.file;
    }
}
