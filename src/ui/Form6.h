#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The statistics window: games played, won and lost and the best total of
// each category, read from the category files.
class Form6 : public QWidget {
    Q_OBJECT
public:
    explicit Form6(const QString& appFolder);

    QGroupBox* Frame1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;

private slots:
    void List1_Click();

private:
    QString m_appFolder;
};
