#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

// The two ways the game reads a number from text.

// The number a typed or stored text stands for: blanks are ignored, an optional sign and decimal
// digits with an optional decimal point are read from the start up to the first character that
// cannot continue the number, and the value is rounded half to even (2.5 -> 2, 3.5 -> 4).
// A text that does not start with a number gives 0. Values beyond the 16-bit range are clamped
// to -32768..32767.
qint16 numericValue(const QString &text);

// The number a line of a saved file holds: blanks or tabs around it, an optional sign and
// decimal digits, nothing else; none for any other line. Magnitudes beyond any limit saturate
// rather than overflow.
std::optional<qint64> wholeNumber(QByteArrayView line);
