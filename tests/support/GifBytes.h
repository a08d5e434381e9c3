#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <cstdint>
#include <vector>

// GIF files written for the tests, one picture each. The LZW data holds only
// single-index codes, with a clear code before the codes would widen, so that
// each file says exactly which indexes it holds.
struct GifPicture {
    QSize screen;
    QRect frame;               // where the picture lies on the screen
    QList<QRgb> colours;       // 2, 4, ... 256 of them
    bool localColours = false; // in the picture's own table, not the screen's
    // frame.width() * frame.height(), row after row in the order the file
    // stores them: an interlaced file's rows are not reordered here.
    std::vector<std::uint8_t> indexes;
    int transparent = -1;
    bool interlaced = false;
};

// Every byte up to and including the image descriptor: the rest is LZW data.
QByteArray gifHead(const GifPicture& picture);
QByteArray gifBytes(const GifPicture& picture);

// A whole screen of one colour index out of black (0) and white (1).
GifPicture plainGif(int width, int height, std::uint8_t index);
