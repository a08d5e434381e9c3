#include "help/HelpLinks.h"

namespace helplinks {

namespace {
const QString scheme = QStringLiteral("chm");
}

QUrl topicUrl(const QString& name)
{
    QString path = name;
    // A link into a help file ("ms-its:file.chm::/page.html") names the page after "::".
    if (const qsizetype separator = path.indexOf(u"::"); separator >= 0)
        path = path.mid(separator + 2);
    QUrl root;
    root.setScheme(scheme);
    root.setPath(QStringLiteral("/"));
    return root.resolved(QUrl(path.trimmed()));
}

QString objectPath(const QUrl& url)
{
    const QString path = url.path(QUrl::FullyDecoded);
    return path.startsWith(u'/') ? path : u'/' + path;
}

LinkKind linkKind(const QUrl& url)
{
    const QString kind = url.scheme().toLower();
    if (kind.isEmpty() || kind == scheme)
        return LinkKind::Topic;
    if (kind == u"http" || kind == u"https" || kind == u"mailto" || kind == u"ftp")
        return LinkKind::External;
    return LinkKind::Refused;
}

} // namespace helplinks
