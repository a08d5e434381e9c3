#include "app/Platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Acts on the modal dialog once it is up, as a player would.
void whenDialogOpens(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start(20);
}

QPushButton* buttonOf(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

} // namespace

// The message box must show the title and text and return once OK is pressed.
TEST(DesktopDialogs, MessageBoxShowsTitleAndTextAndClosesWithOk)
{
    DesktopPlatform platform;
    QString seenTitle;
    QString seenText;
    whenDialogOpens([&](QWidget* dialog) {
        seenTitle = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            seenText += label->text();
        QPushButton* ok = buttonOf(dialog, QDialogButtonBox::Ok);
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    platform.messageBox(nullptr, "Palabrino", "Lo siento, has fallado");
    EXPECT_EQ(seenTitle, "Palabrino");
    EXPECT_TRUE(seenText.contains("Lo siento, has fallado"));
}

// The input box must start empty, return what was typed, and "" on Cancel.
TEST(DesktopDialogs, InputBoxReturnsTypedTextOrNothingOnCancel)
{
    DesktopPlatform platform;
    bool startedEmpty = false;
    whenDialogOpens([&](QWidget* dialog) {
        auto* field = dialog->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        startedEmpty = field->text().isEmpty();
        field->setText(QString::fromUtf8("el gato ñu"));
        buttonOf(dialog, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(platform.inputBox(nullptr, QString::fromUtf8("Escribe la solución"), "Palabrino"),
              QString::fromUtf8("el gato ñu"));
    EXPECT_TRUE(startedEmpty);

    whenDialogOpens([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText("algo");
        buttonOf(dialog, QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(platform.inputBox(nullptr, QString::fromUtf8("Escribe la solución"), "Palabrino"),
              QString());
}
