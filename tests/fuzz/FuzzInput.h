#pragma once

#include "app/Cp1252.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Takes a fuzzer's bytes apart: short texts first, each led by its length,
// and whatever is left at the end.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
    {
    }

    // Up to `longest` bytes read as Windows-1252, as the game reads its files.
    // Past 255 the length takes two bytes.
    QString text(int longest)
    {
        int length = byte();
        if (longest > 255)
            length = length * 256 + byte();
        return cp1252::decode(take(length % (longest + 1)));
    }

    std::uint8_t byte()
    {
        const QByteArrayView first = take(1);
        return first.isEmpty() ? 0 : static_cast<std::uint8_t>(first.front());
    }

    // The rest, cut to `longest` bytes.
    QByteArrayView rest(qsizetype longest) const
    {
        return m_bytes.first(std::min(longest, m_bytes.size()));
    }

private:
    QByteArrayView take(qsizetype length)
    {
        const QByteArrayView taken = rest(length);
        m_bytes = m_bytes.sliced(taken.size());
        return taken;
    }

    QByteArrayView m_bytes;
};

// A broken rule stops the fuzzer with the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (false)
