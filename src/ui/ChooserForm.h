#pragma once

#include "app/AppPath.h"

#include <QWidget>

class Form1;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The window shared by the category and skin choosers: a list of names, the
// description of the selected one read afresh from its INI file, "Aplicar",
// "Cancelar" and a link to the maker's site.
class ChooserForm : public QWidget {
    Q_OBJECT
public:
    QGroupBox* Frame1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label4 = nullptr;

protected:
    ChooserForm(Form1& main, const QString& caption);

    // Fills the list and shows the first entry; called by the concrete form.
    void Form_Load(const QStringList& names);
    // The INI file whose [Acerca] describes the named entry.
    virtual ProgramPath descriptionFile(const QString& name) const = 0;
    virtual void apply(const QString& name) = 0;

    Form1& m_main;

    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void List1_Click();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

private:
    void Label3_Click();
    void Label4_Click();
    QString selectedName() const;
    QString description(QLatin1String key) const;
};
