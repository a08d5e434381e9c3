#include "help/HtmlText.h"

#include "app/Cp1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace htmltext {

QString decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}

QString decodeHtml(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));

    // The declaration sits in the head; reading it as Latin-1 keeps every byte.
    static const QRegularExpression declared(
        QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([-\w.:]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 2048)));
    const QString charset = declared.match(head).captured(1).toLower();
    if (charset == u"utf-8" || charset == u"utf8")
        return QString::fromUtf8(bytes);
    // Latin-1 and ASCII pages are read as Windows-1252, as browsers do.
    if (charset == u"windows-1252" || charset == u"cp1252" || charset == u"iso-8859-1" ||
        charset == u"latin1" || charset == u"us-ascii")
        return cp1252::decode(bytes);
    return decode(bytes);
}

QString decodeEntities(QStringView text)
{
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|\\w+);"));
    QString out;
    qsizetype done = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        QString replacement;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t character = code;
                replacement = QString::fromUcs4(&character, 1);
            }
        } else if (name == u"amp") {
            replacement = QStringLiteral("&");
        } else if (name == u"lt") {
            replacement = QStringLiteral("<");
        } else if (name == u"gt") {
            replacement = QStringLiteral(">");
        } else if (name == u"quot") {
            replacement = QStringLiteral("\"");
        } else if (name == u"apos") {
            replacement = QStringLiteral("'");
        } else if (name == u"nbsp") {
            replacement = QString(QChar(0xA0));
        }
        if (replacement.isEmpty())
            continue;
        out += text.sliced(done, match.capturedStart() - done);
        out += replacement;
        done = match.capturedEnd();
    }
    out += text.sliced(done);
    return out;
}

} // namespace htmltext
