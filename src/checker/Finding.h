#pragma once

#include "app/SafeFile.h"

#include <QString>

#include <vector>

namespace checker {

// One thing in a category or a skin that the game would pass over in silence.
struct Finding {
    QString file; // relative to what was checked; "" for the checked file itself
    int line = 0; // 0 when no single line is to blame
    QString message;
};

using Findings = std::vector<Finding>;

// "file:line: message", or "file: message" without a line.
QString formatted(const Finding& finding);

// A character as a finding names it: «Ñ», or its code when it does not print.
QString characterName(char32_t c);

// Why the game passes over a file, as a finding says it; maxBytes is the
// limit the game read it with.
QString unreadText(safefile::Unread why, qint64 maxBytes);

// The findings of one file by line; those on one line keep their order.
void sortByLine(Findings& findings);

} // namespace checker
