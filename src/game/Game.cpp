#include "game/Game.h"

#include "app/Cp1252.h"
#include "app/Numbers.h"
#include "game/Guess.h"
#include "words/CategoryFiles.h"
#include "words/Keyboard.h"
#include "words/Phrase.h"

#include <optional>

using namespace categories;

Dealt Game::deal()
{
    // An empty entry sends dealing back to the first one; a second empty
    // draw means the category has no phrase at all.
    for (int draw = 1;; ++draw) {
        reset();
        if (!chooseCategory()) {
            m_over = true;
            return Dealt::NoCategory;
        }
        // The restart deals 1A even when the counter could not be stored.
        const phrase::Entry entry = phrase::withoutHint(dealEntry(draw == 2));
        m_hint = entry.hint;
        if (!entry.phrase.isEmpty()) {
            show(entry.phrase);
            return Dealt::Phrase;
        }
        m_files.write(m_category, section::datos, key::cuenta, QStringLiteral("0"));
        if (draw == 2) {
            m_over = true;
            return Dealt::EmptyCategory;
        }
    }
}

void Game::reset()
{
    m_total += m_score;
    m_score = 0;
    m_phrase.clear();
    m_display.clear();
    m_dashes.clear();
    m_hint.clear();
    m_hasDigit = false;
    m_used.clear();
    m_failures = 0;
    m_over = false;
}

bool Game::chooseCategory()
{
    m_category = m_files.chosenCategory();
    if (!m_files.hasCategory(m_category)) {
        // Play the first category there is, leaving the settings alone.
        const QStringList available = m_files.categories();
        m_category = available.isEmpty() ? QString() : available.first();
    }
    return !m_category.isEmpty();
}

QString Game::dealEntry(bool fromStart)
{
    const double counter =
        fromStart ? 0 : storedNumber(m_files.read(m_category, section::datos, key::cuenta));
    const std::int16_t number = phrase::nextEntry(counter);
    m_entry = QString::number(number);
    // The counter moves on before the entry is read, so a crash cannot deal it twice.
    m_files.write(m_category, section::datos, key::cuenta, m_entry);
    return cp1252::toUpper(m_files.read(m_category, section::contenido, phrase::entryKey(number)));
}

void Game::show(const QString& phrase)
{
    m_phrase = phrase;
    const phrase::Masked masked = phrase::mask(phrase);
    m_dashes = masked.dashes;
    m_hasDigit = masked.hasDigit;
    const bool firstShown =
        numberFromText(m_files.read(m_category, section::datos, key::modo)) == 1.0;
    m_display = firstShown ? phrase::withFirstShown(masked.display, phrase) : masked.display;
}

bool Game::hasPlayed(QChar c) const
{
    // Only the characters played and blanks are in it, and a blank is never played.
    return c != ' ' && m_used.contains(c);
}

Outcome Game::play(QChar c)
{
    if (m_over || !keyboard::hasKey(c) || hasPlayed(c))
        return Outcome::Ignored;
    if (keyboard::isVowel(c.unicode())) {
        if (m_score < play::vowelPrice)
            return Outcome::NoPoints;
        m_score -= play::vowelPrice;
    }
    m_used += c + QStringLiteral("  ");

    const play::Reveal reveal = play::reveal(m_display, m_phrase, c);
    m_display = reveal.display;
    if (reveal.hits > 0)
        m_score += play::hitReward;
    else if (fail() == Outcome::Lost)
        return Outcome::Lost;
    // A phrase of marks only is shown whole from the start: the first key wins it.
    if (m_display == m_phrase)
        return win();
    return reveal.hits > 0 ? Outcome::Hit : Outcome::Miss;
}

Outcome Game::solve(const QString& answer)
{
    if (m_over || answer.isEmpty())
        return Outcome::Ignored;
    if (cp1252::toUpper(answer) != m_phrase)
        return fail();
    m_display = m_phrase;
    return win();
}

Outcome Game::fail()
{
    ++m_failures;
    if (m_failures < play::failuresToLose)
        return Outcome::Miss;
    m_over = true;
    m_display = m_phrase;
    count(key::perdidas);
    return Outcome::Lost;
}

Outcome Game::win()
{
    m_score += play::winBonus;
    m_over = true;
    count(key::ganadas);
    return Outcome::Won;
}

void Game::count(QLatin1String key)
{
    // A category removed during the game is not made again.
    if (!m_files.hasCategory(m_category))
        return;
    const std::int16_t count = raisedCount(m_files.read(m_category, section::est, key));
    m_files.write(m_category, section::est, key, QString::number(count));
}

void Game::leave()
{
    if (!m_files.hasCategory(m_category))
        return;
    // A game left before anything was uncovered hands its entry back.
    if (!m_phrase.isEmpty() && phrase::isUntouched(m_display)) {
        if (const std::optional<double> counter = numberFromText(m_entry)) {
            m_entry = numberText(*counter - 1);
            m_files.write(m_category, section::datos, key::cuenta, m_entry);
        }
    }
    const double runningTotal = m_total + m_score;
    if (runningTotal > storedNumber(m_files.read(m_category, section::est, key::maxPunt)))
        m_files.write(m_category, section::est, key::maxPunt, numberText(runningTotal));
}
