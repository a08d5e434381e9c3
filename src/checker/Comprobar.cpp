#include "checker/Comprobar.h"

#include "app/AppPath.h"
#include "app/Cp1252.h"
#include "app/SafeFile.h"
#include "checker/CategoryCheck.h"
#include "checker/SkinCheck.h"
#include "skins/SkinNames.h"
#include "words/CategoryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace checker {
namespace {

const QString usage = QStringLiteral(
    "uso: palabrino-comprobar [carpeta de la aplicación | archivo de categoría | carpeta de skin]\n"
    "Sin argumento comprueba la carpeta en la que está el programa.");

bool exists(const ProgramPath& programPath)
{
    const std::optional<QString> path = nativePath(programPath);
    return path && QFileInfo::exists(*path);
}

bool isAppFolder(const QString& folder)
{
    return exists(categories::folder(folder)) || exists(skins::skinsFolder(folder)) ||
           exists(settingsFile(folder));
}

bool isSkinFolder(const QString& folder)
{
    if (exists(skins::infoFile({folder, {}})))
        return true;
    for (const char* name : {"fondo.gif", "0.gif", "ganado.gif", "perdido.gif"}) {
        if (exists(joinPath(folder, QString::fromLatin1(name))))
            return true;
    }
    return false;
}

Findings categoryFile(const QString& path)
{
    const safefile::Contents text = safefile::read(path);
    if (!text.bytes)
        return {{{}, 0, unreadText(text.why, safefile::maxIniBytes)}};
    return checkCategory(*text.bytes);
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

// Why the game passes over a file or folder.
Finding leftOutFinding(const LeftOut& leftOut)
{
    QString why;
    switch (leftOut.why) {
    case LeftOut::Why::Unread:
        // Listed, so there is an entry: a missing file is a link to nothing.
        why = leftOut.unread == safefile::Unread::Missing
                  ? QStringLiteral("es un enlace a algo que no existe")
                  : unreadText(leftOut.unread, safefile::maxIniBytes);
        break;
    case LeftOut::Why::Separator:
        why = QStringLiteral("el nombre tiene una barra o es «.» o «..», y el juego lo leería "
                             "como otra carpeta");
        break;
    case LeftOut::Why::Unstorable: {
        QStringList outside;
        for (const char32_t c : leftOut.name.toUcs4()) {
            if (!cp1252::canEncode(QString::fromUcs4(&c, 1)))
                outside << characterName(c);
        }
        outside.removeDuplicates();
        why = outside.isEmpty()
                  ? QStringLiteral("datos.ini no guarda el nombre tal cual (espacios o comillas en "
                                   "los extremos, un salto de línea o más de 254 caracteres)")
                  : QStringLiteral("datos.ini no puede guardar estos caracteres del nombre, que "
                                   "no son de Windows-1252: %1")
                        .arg(outside.join(QStringLiteral(", ")));
        break;
    }
    }
    return {leftOut.name, 0, why + QStringLiteral("; el selector no lo muestra")};
}

void checkAppFolder(const QString& app, Report& report, QTextStream& err)
{
    const QDir root(app);
    const QString categoriesPlace = QStringLiteral("Categorias");
    const Listing categories = categories::listing(app);
    if (categories.names.isEmpty())
        report.add(
            categoriesPlace,
            {{{}, 0, QStringLiteral("no hay ninguna categoría (*.ini) que el juego pueda leer")}});
    for (const LeftOut& leftOut : categories.leftOut)
        report.add(categoriesPlace, {leftOutFinding(leftOut)});
    for (const QString& name : categories.names) {
        const QString path = *nativePath(categories::file(app, name));
        report.add(root.relativeFilePath(path), categoryFile(path));
    }

    const QString skinsPlace = QStringLiteral("Skins");
    const Listing skins = skins::listing(app);
    for (const LeftOut& leftOut : skins.leftOut)
        report.add(skinsPlace, {leftOutFinding(leftOut)});
    if (skins.names.size() > skins::maxListed)
        report.add(
            skinsPlace,
            {{{},
              0,
              QStringLiteral("hay %1 skins y el selector solo muestra las %2 primeras; no se "
                             "pueden elegir: %3")
                  .arg(QString::number(skins.names.size()), QString::number(skins::maxListed),
                       skins.names.mid(skins::maxListed).join(QStringLiteral(", ")))}});
    const QDir skinsFolder(nativePath(skins::skinsFolder(app)).value_or(QString()));
    for (const QString& name : skins.names) {
        const QString path = skinsFolder.filePath(name);
        report.add(root.relativeFilePath(path), checkSkin(path));
    }
    err << counted(categories.names.size(), "categoría", "categorías") << " y "
        << counted(skins.names.size(), "skin", "skins") << " comprobadas: ";
}

} // namespace

int run(const QStringList& arguments, const QString& ownFolder, QTextStream& out, QTextStream& err)
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
