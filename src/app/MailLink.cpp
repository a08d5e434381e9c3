#include "app/MailLink.h"

QString mailLink(const QString& address) { return QStringLiteral("mailto:") + address; }
