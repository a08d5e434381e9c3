#pragma once

#include "app/AppPath.h"
#include "app/FolderListing.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Where categories live and how their stored numbers are read.
namespace categories {

// The sections of a category file and their keys.
namespace section {
constexpr QLatin1String datos("Datos");
constexpr QLatin1String contenido("Contenido");
constexpr QLatin1String est("Est");
} // namespace section
namespace key {
constexpr QLatin1String cuenta("Cuenta");
constexpr QLatin1String modo("Modo");
constexpr QLatin1String ganadas("Ganadas");
constexpr QLatin1String perdidas("Perdidas");
constexpr QLatin1String maxPunt("MaxPunt");
} // namespace key

// The folder of the category files: folder + "\Categorias".
ProgramPath folder(const QString& appFolder);
// folder + "\Categorias\" + name + ".ini".
ProgramPath file(const QString& appFolder, const QString& name);
// A readable category file of that name.
bool exists(const QString& appFolder, const QString& name);

// Names of the "*.ini" files of the folder, without ".ini", by file name,
// and the files left out: unreadable, or named so that the settings file
// could not hold the name.
Listing listing(const QString& appFolder);
QStringList names(const QString& appFolder);

// A stored whole number; a missing, empty or non-numeric value counts as 0,
// one beyond the 16-bit range as the nearest end of it.
std::int16_t storedCount(const QString& text);
// A stored number of any size, 0 when missing or not a number.
double storedNumber(const QString& text);
// A stored count plus one, rounded to a whole number with halves to the even
// neighbour; one already at 32767 stays there.
std::int16_t raisedCount(const QString& text);

} // namespace categories
