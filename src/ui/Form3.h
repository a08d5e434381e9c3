#pragma once

#include "ui/ControlArray.h"

#include <QWidget>

class Form1;
class ImageControl;
class LineControl;
class QLabel;
class ShapeControl;

// The about box: product, version, the maker's links and a credit line.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Form1& main);

    QLabel* B = nullptr;
    ControlArray<QLabel> A;
    ImageControl* Image1 = nullptr;
    ShapeControl* Shape1 = nullptr;
    QLabel* C = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Mail = nullptr;
    ShapeControl* Shape2 = nullptr;
    ControlArray<LineControl> D;
    LineControl* Line1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void B_KeyDown();
    void Label1_Click();
    void Mail_Click();
    void Label1_MouseMove();
    void Mail_MouseMove();
    void colourLinks(QRgb web, QRgb mail);

    Form1& m_main;
};
