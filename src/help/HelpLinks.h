#pragma once

#include <QString>
#include <QUrl>

// Pages of the open help file are addressed as "chm:/page.html#anchor", so
// that relative links and pictures resolve as they would on a web server.
namespace helplinks {

enum class LinkKind {
    Topic,    // a page or picture inside the help file
    External, // a web or mail address, for the desktop to open
    Refused,  // anything else (file:, javascript:, ...): help text is not trusted
};

// The address of a page named in a table or an archive path: "puntos.html#ejemplo",
// "/puntos.html" or "ms-its:ayuda.chm::/puntos.html".
QUrl topicUrl(const QString& name);
// The archive path of an address inside the help file ("/puntos.html").
QString objectPath(const QUrl& url);
LinkKind linkKind(const QUrl& url);

} // namespace helplinks
