#pragma once

#include <QString>

// The "mailto:" link that opens a mail to a stored address and nothing more:
// the whole value is the address, percent-encoded, so a "?" or "#" in it can
// add no header field (attach=, body=, cc=) to the draft. A value that
// already starts with "mailto:" is taken without it.
QString mailLink(const QString& address);
