#include "app/MailLink.h"
#include "support/DataFile.h"
#include "ui/KeyCodes.h"
#include "ui/Platform.h"
#include "ui/WindowTwips.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Takes the links the desktop would hand to the mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls.append(url); }
};

} // namespace

// Keys reach the game as Windows virtual-key codes naming the key pressed on
// the player's keyboard: a wrong code plays the wrong character or none. On a
// Spanish layout the dead accent key beside P must not play Ñ, nor the key
// left of 1, and Shift+1 or an AZERTY digit key must still play its digit.
// Under Wine the Ñ key arrives with another virtual key and must play Ñ all
// the same.
TEST(VirtualKeyCodes, NameTheKeyOfThePlayersLayout)
{
    const auto value = [](QMetaEnum names, const QByteArray& name) {
        bool known = false;
        const int value = names.keyToValue(name, &known);
        EXPECT_TRUE(known) << name.toStdString();
        return value;
    };
    for (const QByteArrayList& field : dataRows("key_codes.txt")) {
        SCOPED_TRACE(field.join('|').toStdString());
        const QKeyEvent event(
            QEvent::KeyPress, value(QMetaEnum::fromType<Qt::Key>(), "Key_" + field[1]),
            Qt::KeyboardModifiers(
                value(QMetaEnum::fromType<Qt::KeyboardModifier>(), field[2] + "Modifier")),
            field[3].toUInt(nullptr, 0), field[4].toUInt(nullptr, 0), 0,
            QString::fromUtf8(field[5]));
        EXPECT_EQ(virtualKeyCode(event, field[0]), field[6].toInt());
    }
}

// Twips are 15 to a pixel, rounded to the nearest when a window is placed,
// and a window's place is that of its outer frame.
TEST(Twips, ConvertAndPlaceWindows)
{
    EXPECT_EQ(twips::rect(120, 960, 255, 255), QRect(8, 64, 17, 17));
    QWidget window;
    twips::move(window, 1500.0, 758.0);
    EXPECT_EQ(window.pos(), QPoint(100, 51));
    EXPECT_EQ(twips::left(window), 1500);
}

// A link that carries the stored value as it is lets a file add fields to the
// draft: "?attach=/etc/passwd&body=..." has had mail programs attach files.
// The whole value must reach the mail program as the address, and only as
// the address, also after the desktop layer has parsed the link. Windows'
// shell is handed the link's text as it is.
TEST(MailLinks, CarryTheStoredValueOnlyAsTheAddress)
{
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    for (const QByteArrayList& field : dataRows("mail_links.txt")) {
        SCOPED_TRACE(field.join('|').toStdString());
        const QString link = mailLink(QString::fromUtf8(field[0]));
        EXPECT_EQ(link.toStdString(), field[1].toStdString());
#ifndef Q_OS_WIN
        catcher.urls.clear();
        DesktopPlatform().openLink(nullptr, link);
        ASSERT_EQ(catcher.urls.size(), 1);
        const QUrl& opened = catcher.urls.first();
        EXPECT_EQ(opened.toEncoded().toStdString(), field[1].toStdString());
        EXPECT_FALSE(opened.hasQuery() || opened.hasFragment());
        EXPECT_EQ(opened.path().toStdString(), field[2].toStdString());
#endif
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

#include "PlatformLayerTest.moc"
