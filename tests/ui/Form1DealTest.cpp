#include "support/GameFixture.h"
#include "support/Ink.h"

#include <tuple>

namespace {

class Form1Deal : public ShippedGame {
protected:
    // Without a skin, what is drawn is the game's own.
    void SetUp() override { settings("Categoria=Prueba", "Skin=Ninguna"); }
};

// The rows of ink `text` gets in the control's font and colours where nothing
// can cut it off, in device pixels.
int uncutInkRows(QWidget& control, const QString& text, int darkBelow)
{
    const std::vector<Ink> rows =
        inkRuns(drawnUncut(control.font(), text, control.palette().color(control.foregroundRole()),
                           control.grab().toImage().pixel(0, 0), control.devicePixelRatioF()),
                Qt::Vertical, darkBelow);
    return rows.empty() ? 0 : rows.back().second - rows.front().first + 1;
}

std::vector<Ink> inkRuns(QWidget& control, Qt::Orientation along, int darkBelow)
{
    return inkRuns(control.grab().toImage(), along, darkBelow);
}

} // namespace

// On a screen of any scale every character must stand over its dash, at the
// designed cell width while the phrase fits the line, without the line
// scrolling; a longer phrase narrows its cells to fit. Measured on what is
// drawn, in device pixels.
TEST_F(Form1Deal, EveryCellStandsOverItsDashAtAnyScaleAndLength)
{
    int firstLeft = -1;
    for (const auto& [cells, letter] : {std::pair{5, 'H'}, {37, 'H'}, {60, 'L'}}) {
        SCOPED_TRACE(cells);
        category({QByteArray(cells, letter).constData()});
        start();
        click(letter);
        const std::vector<Ink> letters = inkRuns(*form->Text1, Qt::Horizontal, 128);
        const std::vector<Ink> dashes = inkRuns(*form->Label9, Qt::Horizontal, 128);
        ASSERT_EQ(letters.size(), std::size_t(cells));
        ASSERT_EQ(dashes.size(), std::size_t(cells));
        for (int i = 0; i < cells; ++i)
            EXPECT_NEAR(letters[i].first + letters[i].second, dashes[i].first + dashes[i].second, 2)
                << "cell " << i;
        const double ratio = form->Text1->devicePixelRatioF();
        EXPECT_LT(letters.back().second, form->Text1->width() * ratio);
        if (cells > 37)
            continue;
        firstLeft = firstLeft < 0 ? letters[0].first : firstLeft;
        EXPECT_EQ(letters[0].first, firstLeft);
        EXPECT_EQ(letters.back().first - letters[0].first, qRound((cells - 1) * 8 * ratio));
        EXPECT_GE(letters[0].second - letters[0].first + 1, 6 * ratio);
    }
}

// The tilde of Ñ stands above the font's ascent: placed by the font box it
// was cut off, and Ñ looked like N on its key and among the letters used.
TEST_F(Form1Deal, NtildeIsDrawnWholeOnItsKeyAndAmongTheLettersUsed)
{
    category({"un ñu"});
    start();
    // First and last rows of ink, and the height the font gives Ñ, in device pixels.
    const auto measure = [](QWidget& control) {
        const std::vector<Ink> rows = inkRuns(control, Qt::Vertical, 64);
        const double ratio = control.devicePixelRatioF();
        const QRectF box = QFontMetricsF(control.font()).tightBoundingRect(QString::fromUtf8("Ñ"));
        return std::tuple{rows.front().first, rows.back().second, box.height() * ratio, ratio};
    };
    // On the key the whole caption stands in the middle, clear of both edges.
    QPushButton& key = form->Command3(209);
    const auto [top, bottom, height, ratio] = measure(key);
    EXPECT_NEAR(top, qRound(key.height() * ratio) - 1 - bottom, 1 + ratio);
    EXPECT_NEAR(bottom - top + 1, height, 2 * ratio);
    // Among the letters used it keeps all the ink it has where nothing cuts it.
    key.click();
    const std::vector<Ink> used = inkRuns(*form->Label3, Qt::Vertical, 64);
    ASSERT_FALSE(used.empty());
    EXPECT_NEAR(used.back().second - used.front().first + 1,
                uncutInkRows(*form->Label3, QString::fromUtf8("Ñ"), 64), 1);
}
