// Renders every window of the game, as a player sees it, to PNG files:
//   screenshots APP_FOLDER OUTPUT_FOLDER
// Runs offscreen, on a copy of the application folder the caller provides.
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/Form6.h"
#include "ui/Form7.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>

namespace {

class SilentPlatform : public DesktopPlatform {
public:
    void messageBox(QWidget*, const QString& title, const QString& text) override
    {
        std::printf("message %s: %s\n", qPrintable(title), qPrintable(text));
    }
};

void save(QWidget& window, const QString& file)
{
    window.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s APP_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerDesignFonts();

    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    SilentPlatform platform;
    Form1 form1(QString::fromLocal8Bit(argv[1]), platform);
    form1.show();
    save(form1, out + "/form1-start.png");

    // A game with a hit and two failures, then a loss.
    for (int code : {'S', 'T', 'R', 'N', 'L'})
        form1.Command3_Click(static_cast<std::int16_t>(code));
    save(form1, out + "/form1-playing.png");
    for (int code = 'B'; code <= 'Z' && !form1.game().over(); ++code)
        form1.Command3_Click(static_cast<std::int16_t>(code));
    save(form1, out + "/form1-lost.png");
    if (Form2* result = form1.form2.existing())
        save(*result, out + "/form2-lost.png");

    save(form1.form3.show(), out + "/form3.png");
    save(form1.form4.show(), out + "/form4.png");
    save(form1.form5.show(), out + "/form5.png");
    save(form1.form6.show(), out + "/form6.png");
    save(form1.form7.show(), out + "/form7.png");
    return 0;
}
