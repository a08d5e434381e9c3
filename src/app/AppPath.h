#pragma once

#include <QString>

#include <optional>

// The game names its files as the application folder, a backslash and a
// relative name ("...\Categorias\Animales.ini"), as on Windows.
QString joinPath(const QString& folder, const QString& relative);

// The settings file of an application folder: folder + "\datos.ini".
QString settingsFile(const QString& appFolder);

// Turns such a path into one for this file system. Each component is matched
// without regard to case (an exact match wins; a missing component keeps the
// spelling given), so "Datos.ini" and "datos.ini" name one file. A path with an
// empty, "." or ".." component gives no value: no name may lead elsewhere.
std::optional<QString> nativePath(const QString& programPath);
