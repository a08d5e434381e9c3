#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace checker {

// palabrino-comprobar [carpeta de la aplicación | archivo de categoría | carpeta de skin]
// With no argument it checks the folder it runs from. Findings go to `out`,
// one a line; the summary and usage errors go to `err`.
// Returns 0 when nothing is wrong, 1 when something is, 2 for a usage error.
int run(const QStringList& arguments, const QString& ownFolder, QTextStream& out, QTextStream& err);

} // namespace checker
