#pragma once

#include <QByteArrayView>
#include <QString>

// Text of the help's pages and tables, which may be UTF-8 or Windows-1252.
namespace htmltext {

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString decode(QByteArrayView bytes);
// A page: its byte order mark or declared charset decides, else as decode().
QString decodeHtml(QByteArrayView bytes);
// Replaces &amp; &lt; &gt; &quot; &apos; &nbsp; and numeric references;
// anything else is left as written.
QString decodeEntities(QStringView text);

} // namespace htmltext
