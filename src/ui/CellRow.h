#pragma once

#include <QString>
#include <QWidget>

// One line of fixed-width character cells: the masked display and its dash
// row. Rows given the same line width put cell i at the same device pixel at
// any screen scale, so a character always stands over its dash; the line
// never scrolls, and a phrase too long for cells of the designed width gets
// narrower ones.
class CellRow : public QWidget {
    Q_OBJECT
public:
    CellRow(QWidget* parent, int lineWidth);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void clear() { setText(QString()); }

signals:
    void textChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_lineWidth;
    QString m_text;
};
