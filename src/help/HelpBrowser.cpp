#include "help/HelpBrowser.h"

#include "help/ChmArchive.h"
#include "help/HelpLinks.h"
#include "help/HtmlText.h"

#include <QTextDocument>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("pagina"));
    // Links are followed by the window, which decides what may leave the viewer.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(10);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!m_archive || helplinks::linkKind(url) != helplinks::LinkKind::Topic)
        return {};
    const QString path = helplinks::objectPath(url);
    const auto bytes = m_archive->read(path);

    switch (type) {
    case QTextDocument::HtmlResource:
        if (!bytes)
            return QStringLiteral("<html><head><title>Página no encontrada</title></head><body>"
                                  "<p>No se encuentra la página «%1» en el archivo de ayuda.</p>"
                                  "</body></html>")
                .arg(path.mid(1).toHtmlEscaped());
        return htmltext::decodeHtml(*bytes);
    case QTextDocument::StyleSheetResource:
        return bytes ? QVariant(htmltext::decode(*bytes)) : QVariant();
    case QTextDocument::ImageResource:
        return bytes ? QVariant(*bytes) : QVariant();
    default:
        return {};
    }
}
