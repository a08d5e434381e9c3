#pragma once

#include <QString>

#include <vector>

// One entry of a help file's contents (.hhc) or index (.hhk).
struct ChmTopic {
    QString name;
    // The page it opens, as written in the table ("puntos.html#ejemplo");
    // empty for a heading that only groups other entries.
    QString local;
    std::vector<ChmTopic> children;
};

// Reads the nested lists of a contents or index table. Tolerant, as the tables
// are hand-written: unclosed lists end with the text.
std::vector<ChmTopic> parseSitemap(const QString& html);
