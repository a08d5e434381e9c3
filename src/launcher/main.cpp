#include "launcher/PlayerFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>

#include <cerrno>
#include <system_error>
#include <unistd.h>

// palabrino: the command of a system-wide installation. It gives the player a
// game folder of their own under the data home, brings it up to date with the
// installed programs and data, and starts the game there.

namespace {

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString reason(const std::error_code& error)
{
    if (error == std::errc::no_space_on_device)
        return QStringLiteral("el disco está lleno");
    if (error == std::errc::permission_denied || error == std::errc::read_only_file_system ||
        error == std::errc::operation_not_permitted)
        return QStringLiteral("no se puede escribir en ella");
    return QString::fromLocal8Bit(error.message());
}

void showFailure(int argc, char** argv, const QString& text)
{
    QApplication app(argc, argv);
    QMessageBox::critical(nullptr, QStringLiteral("Palabrino"), text);
}

} // namespace

int main(int argc, char** argv)
{
    QString folder;
    QString failure;
    {
        QCoreApplication core(argc, argv);
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/palabrino");
        try {
            launcher::preparePlayerFolder(toPath(QCoreApplication::applicationDirPath()),
                                          toPath(folder));
        } catch (const std::filesystem::filesystem_error& error) {
            failure = QStringLiteral("No se puede preparar la carpeta del juego %1: %2. El juego "
                                     "no se iniciará hasta que se pueda crear y escribir en ella.")
                          .arg(QDir::toNativeSeparators(folder), reason(error.code()));
        }
    }
    if (failure.isEmpty()) {
        const QByteArray game = QFile::encodeName(folder + QStringLiteral("/palabrino"));
        char* const arguments[] = {const_cast<char*>(game.constData()), nullptr};
        ::execv(game.constData(), arguments);
        const std::error_code error(errno, std::generic_category());
        failure = QStringLiteral("No se puede iniciar el juego %1: %2.")
                      .arg(QDir::toNativeSeparators(QFile::decodeName(game)), reason(error));
    }
    showFailure(argc, argv, failure);
    return 1;
}
