#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QWidget;

// One viewer per user and help file. A viewer started while another shows the
// same file asks that one to come to the front and goes away, so "Ayuda"
// chosen again does not pile up windows.
class ViewerInstance : public QObject {
    Q_OBJECT

public:
    explicit ViewerInstance(const QString& file, QObject* parent = nullptr);

    // True when this process is to show the file; false when a viewer already
    // showing it was asked to come forward instead.
    bool claim();

    // The local socket a viewer of the file listens on.
    static QString serverName(const QString& file);

signals:
    void raiseRequested();

private:
    bool askRunningViewer() const;

    QString m_name;
    QLocalServer m_server;
};

// Shows the window on top of the others, restored if it was minimised.
void bringToFront(QWidget& window);
