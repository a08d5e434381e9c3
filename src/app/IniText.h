#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and changing one value in the bytes of an INI file, with the
// behaviour of the Windows private-profile functions: names match without
// regard to case, the first of duplicate sections or keys wins, and a write
// leaves every other byte of the file as it was.
namespace ini {

inline constexpr qsizetype maxValueLength = 254;

// A value as read: without one pair of enclosing quotes, '"' or '\''.
QByteArrayView unquoted(QByteArrayView value);

// True when a section or key name as the file holds it names `wanted`: the
// names compare in Windows-1252 upper case.
bool sameName(QByteArrayView name, QStringView wanted);

// The value of `key` in `section`, without one pair of enclosing quotes and
// cut to maxValueLength characters; "" when the section or key is missing.
QString readValue(QByteArrayView text, QStringView section, QStringView key);

// The file with the value set. No value when a name or the value could not be
// read back as given (a line break in it, say) and would spoil the file.
std::optional<QByteArray> writeValue(QByteArrayView text, QStringView section, QStringView key,
                                     QStringView value);

// True when a value written reads back exactly: every character in
// Windows-1252, no line break, no blanks or quotes that reading strips, and
// no more than maxValueLength characters.
bool keepsValue(QStringView value);

} // namespace ini
