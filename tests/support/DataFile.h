#pragma once

#include <QByteArrayList>
#include <QFile>
#include <QList>

#include <gtest/gtest.h>

// A file of the test folder's data/, or of the copy the environment names: a
// run as another user reads a public copy, as the source may be private.
inline QByteArray dataFile(const QString& name)
{
    QFile file(qEnvironmentVariable("PALABRINO_TEST_DATA_DIR", PALABRINO_TEST_DATA_DIR) + '/' +
               name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The rows of a table in data/: cells split at '|' and trimmed, "-" for an
// empty one. Lines led by '#' and lines without a '|' are notes.
inline QList<QByteArrayList> dataRows(const QString& name)
{
    QList<QByteArrayList> rows;
    for (const QByteArray& line : dataFile(name).split('\n')) {
        QByteArrayList cells = line.split('|');
        for (QByteArray& cell : cells)
            cell = cell.trimmed() == "-" ? "" : cell.trimmed();
        if (!line.startsWith('#') && cells.size() > 1)
            rows << cells;
    }
    EXPECT_FALSE(rows.isEmpty()) << name.toStdString();
    return rows;
}

// A cell with \r and \n standing for the line ends they name and %HH for any byte.
inline QByteArray unescaped(QByteArray cell)
{
    return QByteArray::fromPercentEncoding(cell.replace("\\r", "\r").replace("\\n", "\n"));
}
