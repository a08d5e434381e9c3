#pragma once

#include "app/AppPath.h"

#include <QString>

// The only access to the game's persistent data, with the behaviour of the
// Windows private-profile functions that category files made on Windows rely on.

// The value of `key` in `section`, at most 254 characters; "" when the file,
// the section or the key is missing. The file is read at every call.
QString LeerIni(const ProgramPath& file, const QString& section, const QString& key);

// Replaces or creates the value. The file is replaced atomically and writers in
// other processes are serialised by a lock. Returns false when nothing could
// be written; the file is then as it was.
bool EscribirIni(const ProgramPath& file, const QString& section, const QString& key,
                 const QString& value);
