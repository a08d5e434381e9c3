#include "checker/Comprobar.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <QStringDecoder>

#include <windows.h>

namespace {

// A Windows console shows every accent of text written to it as UTF-16,
// whatever its code page; UTF-8 bytes it shows in that code page (Wine's
// console shows them so even in code page 65001).
class ConsoleDevice : public QIODevice {
public:
    explicit ConsoleDevice(HANDLE console) : m_console(console) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const QString text = m_decoder.decode(QByteArrayView(data, size));
        DWORD written = 0;
        WriteConsoleW(m_console, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
        return size;
    }

private:
    HANDLE m_console;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
};

} // namespace
#endif

// The standard stream as a device: a console of its own on Windows, the
// stream's bytes (UTF-8) anywhere else and wherever it is redirected.
static std::unique_ptr<QIODevice> outputDevice(FILE* stream)
{
#ifdef Q_OS_WIN
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        return std::make_unique<ConsoleDevice>(handle);
#endif
    auto file = std::make_unique<QFile>();
    file->open(stream, QIODevice::WriteOnly);
    return file;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::unique_ptr<QIODevice> outDevice = outputDevice(stdout);
    const std::unique_ptr<QIODevice> errDevice = outputDevice(stderr);
    QTextStream out(outDevice.get());
    QTextStream err(errDevice.get());
    return checker::run(QCoreApplication::arguments().mid(1),
                        QCoreApplication::applicationDirPath(), out, err);
}
