#pragma once

#include "app/Cp1252.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>

// A transcript: lines "> VERB REST" are done, and the line after one that
// shows something is what it showed. Plays each step with `step` (a null text
// for a step that shows nothing) and returns the transcript as it came out.
inline QString playTranscript(const QString& expected,
                              const std::function<QString(const QString&, const QString&)>& step)
{
    const QStringList lines = expected.split(u'\n');
    QStringList seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        seen << lines[i];
        if (!lines[i].startsWith("> "))
            continue;
        const QString outcome = step(lines[i].section(u' ', 1, 1), lines[i].section(u' ', 2));
        if (!outcome.isNull()) {
            seen << outcome;
            ++i;
        }
    }
    return seen.join(u'\n');
}

// The steps on files: "archivo NAME = LINE | LINE" writes them in Windows-1252
// with CRLF, "carpeta NAME" makes a folder. False for any other verb.
inline bool fileStep(const TempAppFolder& folder, const QString& verb, QString rest)
{
    if (verb == "archivo")
        folder.write(rest.section(" = ", 0, 0),
                     cp1252::encode(rest.section(" = ", 1).replace(" | ", "\r\n") + "\r\n"));
    else if (verb == "carpeta")
        QDir().mkpath(folder.nativeFile(rest));
    else
        return false;
    return true;
}
