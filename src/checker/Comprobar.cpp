#include "checker/Comprobar.h"

#include "app/AppPath.h"
#include "app/SafeFile.h"
#include "checker/CategoryCheck.h"
#include "checker/SkinCheck.h"
#include "skins/SkinFiles.h"
#include "words/CategoryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace checker {
namespace {

const QString usage = QStringLiteral(
    "uso: palabrino-comprobar [carpeta de la aplicación | archivo de categoría | carpeta de skin]\n"
    "Sin argumento comprueba la carpeta en la que está el programa.");

bool holds(const QString& folder, const QString& name)
{
    const std::optional<QString> path = nativePath(joinPath(folder, name));
    return path && QFileInfo::exists(*path);
}

bool isAppFolder(const QString& folder)
{
    return holds(folder, QStringLiteral("Categorias")) || holds(folder, QStringLiteral("Skins")) ||
           holds(folder, QStringLiteral("datos.ini"));
}

bool isSkinFolder(const QString& folder)
{
    for (const char* name : {"info.ini", "fondo.gif", "0.gif", "ganado.gif", "perdido.gif"}) {
        if (holds(folder, QString::fromLatin1(name)))
            return true;
    }
    return false;
}

Findings categoryFile(const QString& path)
{
    const std::optional<QByteArray> text = safefile::readAll(path);
    if (!text)
        return {{{}, 0, QStringLiteral("no se puede leer el archivo")}};
    return checkCategory(*text);
}

class Report {
public:
    explicit Report(QTextStream& out) : m_out(out) {}

    // Findings of the files of `place`, shown as `shown` and then their names.
    void add(const QString& shown, const Findings& findings)
    {
        for (const Finding& finding : findings) {
            const QString file = finding.file.isEmpty() ? shown : shown + u'/' + finding.file;
            m_out << formatted({file, finding.line, finding.message}) << '\n';
        }
        m_count += findings.size();
    }

    std::size_t count() const { return m_count; }

private:
    QTextStream& m_out;
    std::size_t m_count = 0;
};

QString counted(std::size_t n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(QString::number(n), QString::fromUtf8(n == 1 ? one : many));
}

// The skin folders by name, as the chooser lists them.
QStringList skinNames(const QString& skinsFolder)
{
    QStringList names = QDir(skinsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                    QDir::Name | QDir::IgnoreCase);
    names.removeIf([](const QString& name) { return name.contains(u'\\'); });
    return names;
}

void checkAppFolder(const QString& app, Report& report, QTextStream& err)
{
    const QDir root(app);
    const QStringList categoryNames = categories::names(app);
    if (categoryNames.isEmpty())
        report.add(QStringLiteral("Categorias"),
                   {{{}, 0, QStringLiteral("no hay ninguna categoría (*.ini) que el juego pueda leer")}});
    for (const QString& name : categoryNames) {
        const QString path = *nativePath(categories::file(app, name));
        report.add(root.relativeFilePath(path), categoryFile(path));
    }

    const std::optional<QString> skinsFolder = nativePath(joinPath(app, QStringLiteral("Skins")));
    const QStringList skins = skinsFolder ? skinNames(*skinsFolder) : QStringList();
    if (skins.size() > skins::maxListed)
        report.add(QStringLiteral("Skins"),
                   {{{}, 0,
                     QStringLiteral("hay %1 skins y el selector solo muestra las %2 primeras; no se "
                                    "pueden elegir: %3")
                         .arg(QString::number(skins.size()), QString::number(skins::maxListed),
                              skins.mid(skins::maxListed).join(QStringLiteral(", ")))}});
    for (const QString& name : skins) {
        const QString path = QDir(*skinsFolder).filePath(name);
        report.add(root.relativeFilePath(path), checkSkin(path));
    }
    err << counted(categoryNames.size(), "categoría", "categorías") << " y "
        << counted(skins.size(), "skin", "skins") << " comprobadas: ";
}

} // namespace

int run(const QStringList& arguments, const QString& ownFolder, QTextStream& out,
        QTextStream& err)
{
    if (arguments.size() == 1 &&
        (arguments[0] == u"-h" || arguments[0] == u"--help" || arguments[0] == u"--ayuda")) {
        out << usage << '\n';
        return 0;
    }
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments[0].startsWith(u'-'))) {
        err << usage << '\n';
        return 2;
    }
    const QString given = arguments.isEmpty() ? ownFolder : arguments[0];
    const QFileInfo target(given);
    if (!target.exists()) {
        err << QStringLiteral("no existe: %1").arg(given) << '\n';
        return 2;
    }
    // Absolute and without "." or "..": the game's paths admit neither.
    const QString path = QDir::cleanPath(target.absoluteFilePath());

    Report report(out);
    if (target.isFile()) {
        report.add(given, categoryFile(path));
        err << "1 categoría comprobada: ";
    } else if (isAppFolder(path)) {
        checkAppFolder(path, report, err);
    } else if (isSkinFolder(path)) {
        report.add(QDir::cleanPath(given), checkSkin(path));
        err << "1 skin comprobada: ";
    } else {
        err << QStringLiteral("%1 no es la carpeta de la aplicación (con Categorias, Skins o "
                              "datos.ini) ni una carpeta de skin")
                   .arg(given)
            << '\n';
        return 2;
    }
    err << counted(report.count(), "aviso", "avisos") << '\n';
    return report.count() == 0 ? 0 : 1;
}

} // namespace checker
