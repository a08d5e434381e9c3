#include "support/GameFixture.h"

#include "app/CellRow.h"
#include "app/Controls.h"
#include "app/Module1.h"
#include "skins/Form2.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

void GameFixture::category(std::initializer_list<const char*> entries, const char* est,
                           const char* name)
{
    QByteArray text = iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]"});
    int number = 1;
    for (const char* entry : entries)
        text += QByteArray::number(number++) + "A=" + iniText({entry});
    text += iniText({"[Est]", est});
    folder.write(QStringLiteral("Categorias/%1.ini").arg(name), text);
}

QString GameFixture::stored(const char* section, const char* key, const char* name) const
{
    return LeerIni(folder.programPath(QStringLiteral("Categorias/%1.ini").arg(name)), section, key);
}

void GameFixture::picture(const QString& relative, const QColor& colour, QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString file = folder.nativeFile(relative);
    QDir().mkpath(QFileInfo(file).path());
    if (!image.save(file, "PNG"))
        throw std::runtime_error("cannot save a test picture");
}

void GameFixture::resultPictures(const QString& skin) const
{
    picture("Skins/" + skin + "/nopuntos.gif", Qt::yellow);
    picture("Skins/" + skin + "/ganado.gif", Qt::green);
    picture("Skins/" + skin + "/perdido.gif", Qt::red);
}

Form1& GameFixture::start()
{
    form = std::make_unique<Form1>(folder.path(), platform);
    return *form;
}

void GameFixture::newGame() { form->Command2->click(); }

void GameFixture::click(int code) { form->Command3(code).click(); }

void GameFixture::type(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(form->Command2, &press);
}

void GameFixture::playAll(const char* characters)
{
    for (const QChar ch : QString::fromUtf8(characters))
        click(ch.unicode());
}

QString GameFixture::display() const { return form->Text1->text(); }

QString GameFixture::shown(const char* label) const
{
    return form->findChild<QLabel*>(QString::fromLatin1(label))->text();
}

bool GameFixture::resultShowing() const { return resultWindow() && resultWindow()->isVisible(); }

QRgb GameFixture::resultColour() const
{
    const QImage& shownPicture = resultWindow()->Image1->picture();
    return shownPicture.isNull() ? 0 : shownPicture.pixel(0, 0);
}
