#include "checker/CategoryCheck.h"
#include "CheckerTest.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Each sample category in data/categories beside the findings expected of it,
// as the checker prints them. A finding missed or cried wolf on, a line
// counted wrongly or a rule the checker judges unlike the game shows as a
// difference for one sample; a new case is one more pair of files.
TEST(CategoryCheck, FindsWhatEachSampleCategoryExpects)
{
    const QDir data(QStringLiteral(CHECKER_DATA_DIR "/categories"));
    const QStringList samples = data.entryList({QStringLiteral("*.ini")}, QDir::Files);
    ASSERT_GE(samples.size(), 20);
    for (const QString& sample : samples) {
        SCOPED_TRACE(sample.toStdString());
        QFile text(data.filePath(sample));
        QFile expected(data.filePath(sample.chopped(4) + QStringLiteral(".txt")));
        ASSERT_TRUE(text.open(QIODevice::ReadOnly));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        const std::string found = printed(checker::checkCategory(text.readAll()), sample);
        EXPECT_EQ(found.empty() ? found : found + '\n', expected.readAll().toStdString());
    }
}
