#pragma once

#include <QTextBrowser>

class ChmArchive;

// Shows the pages of a help file: pages, pictures and style sheets come from
// the archive, never from the disk or the network.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    void setArchive(const ChmArchive* archive) { m_archive = archive; }
    QVariant loadResource(int type, const QUrl& name) override;

private:
    const ChmArchive* m_archive = nullptr;
};
