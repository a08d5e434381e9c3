#pragma once

#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "ui/CellRow.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

#include <QColor>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

// A category file: Cuenta, Modo=0, the entries numbered from 1A, raw lines
// after them (more entries or sections) and the [Est] lines.
QByteArray categoryText(std::initializer_list<const char*> entries, const char* est = "Ganadas=0",
                        const char* extra = "", const char* cuenta = "Cuenta=0");
QByteArray pngPicture(const QColor& colour, QSize size = {300, 100});
// A skin whose text is (10, 20, 30) and whose pictures are all one colour.
void writeSkin(const TempAppFolder& folder, const QString& name, const QColor& colour);

// The folder as shipped: datos.ini naming the category Prueba (entries "uno"
// to "nueve") and the skin Prueba, and a second category, Otra, with "mar".
void layShippedFolder(const TempAppFolder& folder);
// The text of Prueba.ini with another Cuenta line and raw lines after its entries.
QByteArray shippedCategory(const char* cuenta = "Cuenta=0", const char* extra = "");

// A temporary application folder and a main window playing in it.
class GameFixture : public ::testing::Test {
protected:
    TempAppFolder folder;
    FakePlatform platform;
    std::unique_ptr<Form1> form;

    void settings(const char* category = "Categoria=Prueba", const char* skin = "Skin=Prueba")
    {
        folder.write("datos.ini", iniText({"[Config]", category, skin}));
    }
    void category(std::initializer_list<const char*> entries, const char* est = "Ganadas=0",
                  const char* name = "Prueba", const char* extra = "")
    {
        folder.write(QStringLiteral("Categorias/%1.ini").arg(name),
                     categoryText(entries, est, extra));
    }
    QString stored(const char* section, const char* key, const QString& name = "Prueba") const;
    void picture(const QString& relative, const QColor& colour, QSize size = {300, 100}) const
    {
        folder.write(relative, pngPicture(colour, size));
    }

    Form1& start()
    {
        form = std::make_unique<Form1>(folder.path(), platform);
        return *form;
    }
    void click(int code) { form->Command3(code).click(); }
    QString display() const { return form->Text1->text(); }
    QString shown(const char* label) const { return form->findChild<QLabel*>(label)->text(); }
};

// The same in a folder as shipped.
class ShippedGame : public GameFixture {
protected:
    ShippedGame() { layShippedFolder(folder); }
};
