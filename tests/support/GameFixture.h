#pragma once

#include "app/Form1.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

// A temporary application folder with one category, a skin and a main window
// playing in it.
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
                  const char* name = "Prueba");
    QString stored(const char* section, const char* key, const char* name = "Prueba") const;

    // A picture of one colour, saved in a format Qt reads under the given name.
    void picture(const QString& relative, const QColor& colour, QSize size = {300, 100}) const;
    void resultPictures(const QString& skin = "Prueba") const;

    Form1& start();
    void newGame();
    void click(int code);
    void type(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void playAll(const char* characters);

    QString display() const;
    QString shown(const char* label) const;
    Form2* resultWindow() const { return form->form2.existing(); }
    bool resultShowing() const;
    QRgb resultColour() const;
};
