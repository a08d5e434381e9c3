#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Start-up of a program that prints the steady clock at its first paint
// (FirstPaintProbe.h): the time from just before it was started to then, and
// the most memory it ever held resident.
namespace startup {

struct Run {
    double milliseconds = 0;
    double peakMegabytes = 0;
    int width = 0;
    int height = 0;
};

// No value when the program could not start, did not report within 30
// seconds, or failed. Runs it on the real display: QT_QPA_PLATFORM is unset.
std::optional<Run> runOnce(const QString& program, const QStringList& arguments);

struct Summary {
    double median = 0;
    double lowest = 0;
    double highest = 0;
};
Summary summarise(std::vector<double> values);

} // namespace startup
