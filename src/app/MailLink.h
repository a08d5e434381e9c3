#pragma once

#include <QString>

// The "mailto:" link that opens a mail to a stored address.
QString mailLink(const QString& address);
