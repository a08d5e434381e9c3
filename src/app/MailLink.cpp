#include "app/MailLink.h"

#include <QUrl>

QString mailLink(const QString& address)
{
    const QString scheme = QStringLiteral("mailto:");
    const QString bare =
        address.startsWith(scheme, Qt::CaseInsensitive) ? address.mid(scheme.size()) : address;
    return scheme + QString::fromLatin1(QUrl::toPercentEncoding(bare, "@"));
}
