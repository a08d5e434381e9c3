#pragma once

#include "app/Twips.h"

class QWidget;
class QRect;

// Controls and windows placed in twips.
namespace twips {

QRect rect(int left, int top, int width, int height);

// Outer geometry of a top-level window, frame included.
int left(const QWidget& window);
int top(const QWidget& window);
int width(const QWidget& window);
int height(const QWidget& window);
void move(QWidget& window, double left, double top);

int screenWidth(const QWidget& window);

} // namespace twips
