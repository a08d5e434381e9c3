#pragma once

#include <QByteArray>
#include <QString>

// The game's files are single-byte Windows-1252 text. Every byte value maps to
// one character and back, so nothing read from a file is lost when written.
namespace cp1252 {

QString decode(QByteArrayView bytes);
// Characters outside Windows-1252 become '?'.
QByteArray encode(QStringView text);
// True when every character of the text has a Windows-1252 byte.
bool canEncode(QStringView text);
// Upper-casing as Windows does it for Windows-1252 letters: ñ to Ñ, á to Á,
// š to Š, œ to Œ, ž to Ž, ÿ to Ÿ; ß and µ have no capital here and stay.
QString toUpper(QStringView text);

} // namespace cp1252
