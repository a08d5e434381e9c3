#pragma once

#include "help/ChmArchive.h"

#include <QMainWindow>
#include <QUrl>

#include <functional>

class HelpBrowser;
class QAction;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The help viewer's window: contents and index on the left, the page on the
// right, Back, Forward and Home above. A help file that cannot be shown is
// said in the window itself.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    // Hands a web or mail address to the desktop.
    using LinkOpener = std::function<void(const QUrl&)>;

    explicit HelpWindow(const QString& file, LinkOpener openExternal = {},
                        QWidget* parent = nullptr);

private:
    void createActions();
    void createPanes();
    void showFailure(const QString& sentence);

    void openTopic(const QUrl& url);
    void followLink(const QUrl& link);
    void openItem(QTreeWidgetItem* item);
    void topicShown(const QUrl& shown);

    ChmArchive m_archive;
    LinkOpener m_openExternal;
    QUrl m_home;

    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_homeAction = nullptr;
    QSplitter* m_splitter = nullptr;
    QTabWidget* m_navigation = nullptr;
    QTreeWidget* m_contents = nullptr;
    QTreeWidget* m_index = nullptr;
    HelpBrowser* m_browser = nullptr;
};
