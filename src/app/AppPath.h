#pragma once

#include <QLatin1String>
#include <QString>

#include <optional>

// A file of the game as it names it: the application folder, a backslash and
// a name below it written as on Windows ("Categorias\Animales.ini"). The
// folder is kept apart, as the system gives it: a backslash in a Linux folder
// name or the two of a Windows network share are not the game's separators.
struct ProgramPath {
    QString folder;
    QString relative; // empty for the folder itself

    bool operator==(const ProgramPath&) const = default;
};

// The name one level further down: relative + "\" + name.
ProgramPath joinPath(const ProgramPath& path, const QString& name);
ProgramPath joinPath(const QString& folder, const QString& name);

// The settings file of an application folder: folder + "\datos.ini".
ProgramPath settingsFile(const QString& appFolder);
// Its one section and the choices it keeps.
namespace settings {
constexpr QLatin1String section("Config");
constexpr QLatin1String category("Categoria");
constexpr QLatin1String skin("Skin");
} // namespace settings

// True when `name`, put below a folder, names an entry of that folder: no
// separator, not "." or "..", no NUL. Categories and skins are chosen by
// such names, which may come from a hand-edited settings file.
bool staysInFolder(const QString& name);

// The path on this file system. Each component of the relative name is
// matched without regard to case (an exact match wins; a missing component
// keeps the spelling given), so "Datos.ini" and "datos.ini" name one file. A
// relative name with an empty, "." or ".." component gives no value: no name
// may lead elsewhere.
std::optional<QString> nativePath(const ProgramPath& path);
