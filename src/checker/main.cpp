#include "checker/Comprobar.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

// The findings are written in UTF-8, which a Windows console shows with its
// accents only in that code page; the console's own is given back at the end.
class Utf8Console {
public:
    Utf8Console() : m_before(GetConsoleOutputCP()) { SetConsoleOutputCP(CP_UTF8); }
    ~Utf8Console() { SetConsoleOutputCP(m_before); }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT m_before;
};

} // namespace
#endif

int main(int argc, char** argv)
{
#ifdef Q_OS_WIN
    const Utf8Console console;
#endif
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return checker::run(QCoreApplication::arguments().mid(1),
                        QCoreApplication::applicationDirPath(), out, err);
}
