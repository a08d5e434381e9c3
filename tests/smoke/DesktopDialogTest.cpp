#include "ui/Platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers the next modal dialog, once its loop runs, as a player would: types
// `typed` into its field, if it has one, and presses `button`. `seen` gets what
// the dialog showed: its title, its texts and its field as it opened.
void answerNextDialog(QString& seen, const QString& typed, QDialogButtonBox::StandardButton button)
{
    QTimer::singleShot(0, qApp, [&seen, typed, button] {
        QWidget* dialog = QApplication::activeModalWidget();
        seen = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            seen += label->text().isEmpty() ? "" : " | " + label->text();
        if (auto* field = dialog->findChild<QLineEdit*>()) {
            seen += " | [" + field->text() + "]";
            field->setText(typed);
        }
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
}

} // namespace

// Would catch a title and text swapped or lost, an input box that opens with
// old text, or one that returns what was typed after Cancel.
TEST(DesktopDialogs, ShowWhatTheyAreGivenAndReturnWhatWasTyped)
{
    DesktopPlatform platform;
    QString seen;
    answerNextDialog(seen, {}, QDialogButtonBox::Ok);
    platform.messageBox(nullptr, "Palabrino", "Lo siento, has fallado");
    EXPECT_EQ(seen, "Palabrino | Lo siento, has fallado");

    answerNextDialog(seen, "el gato ñu", QDialogButtonBox::Ok);
    EXPECT_EQ(platform.inputBox(nullptr, "Escribe la solución", "Palabrino"), "el gato ñu");
    EXPECT_EQ(seen, "Palabrino | Escribe la solución | []");

    answerNextDialog(seen, "algo", QDialogButtonBox::Cancel);
    EXPECT_EQ(platform.inputBox(nullptr, "Escribe", "Palabrino"), QString());
}
