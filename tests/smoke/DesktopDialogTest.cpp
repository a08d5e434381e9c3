#include "app/Platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Answers the next modal dialog as a player would: types `typed` into its
// field, if it has one, and presses `button`. The returned text fills with
// what the dialog showed: its title, its texts and its field as it opened.
std::shared_ptr<QString> answerNextDialog(const QString& typed,
                                          QDialogButtonBox::StandardButton button)
{
    auto seen = std::make_shared<QString>();
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        poll->deleteLater();
        *seen = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            *seen += label->text().isEmpty() ? "" : " | " + label->text();
        if (auto* field = dialog->findChild<QLineEdit*>()) {
            *seen += " | [" + field->text() + "]";
            field->setText(typed);
        }
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
    poll->start(20);
    return seen;
}

} // namespace

// Would catch a title and text swapped or lost, an input box that opens with
// old text, or one that returns what was typed after Cancel.
TEST(DesktopDialogs, ShowWhatTheyAreGivenAndReturnWhatWasTyped)
{
    DesktopPlatform platform;
    auto seen = answerNextDialog({}, QDialogButtonBox::Ok);
    platform.messageBox(nullptr, "Palabrino", "Lo siento, has fallado");
    EXPECT_EQ(*seen, "Palabrino | Lo siento, has fallado");

    seen = answerNextDialog(QString::fromUtf8("el gato ñu"), QDialogButtonBox::Ok);
    EXPECT_EQ(platform.inputBox(nullptr, QString::fromUtf8("Escribe la solución"), "Palabrino"),
              QString::fromUtf8("el gato ñu"));
    EXPECT_EQ(*seen, QString::fromUtf8("Palabrino | Escribe la solución | []"));

    answerNextDialog("algo", QDialogButtonBox::Cancel);
    EXPECT_EQ(platform.inputBox(nullptr, "Escribe", "Palabrino"), QString());
}
