#pragma once

#include <QWidget>

class QLabel;

// Thanks to the people who helped with the game.
class Form7 : public QWidget {
    Q_OBJECT
public:
    Form7();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
};
