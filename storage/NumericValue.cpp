#include "NumericValue.h"

#include <algorithm>

namespace {

// Blanks may stand anywhere before and inside the number ("- 1 2" is -12): a count typed with
// stray blanks still counts.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isLineBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

qint16 numericValue(const QString &text)
{
    // Anything past this is clamped anyway; capping the whole part keeps the sum from overflowing
    // however many digits are typed.
    constexpr qint64 kCap = 1'000'000;

    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text.at(i)))
            ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }

    qint64 whole = 0;
    for (skipBlanks(); i < n && isDigit(text.at(i)); skipBlanks()) {
        whole = std::min(whole * 10 + (text.at(i).unicode() - u'0'), kCap);
        ++i;
    }

    // Only the first fraction digit and whether any later one is non-zero decide the rounding,
    // so the value is rounded exactly, without binary fractions.
    int firstFraction = 0;
    bool restNonZero = false;
    if (i < n && text.at(i) == u'.') {
        ++i;
        bool first = true;
        for (skipBlanks(); i < n && isDigit(text.at(i)); skipBlanks()) {
            const int digit = text.at(i).unicode() - u'0';
            if (first)
                firstFraction = digit;
            else if (digit != 0)
                restNonZero = true;
            first = false;
            ++i;
        }
    }

    if (firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1)))
        ++whole;

    const qint64 value = negative ? -whole : whole;
    return qint16(std::clamp<qint64>(value, -32768, 32767));
}

std::optional<qint64> wholeNumber(QByteArrayView line)
{
    constexpr qint64 kSaturated = 1'000'000'000'000LL;
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isLineBlank(line[begin]))
        ++begin;
    while (end > begin && isLineBlank(line[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && (line[begin] == '-' || line[begin] == '+')) {
        negative = line[begin] == '-';
        ++begin;
    }
    if (begin == end)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return std::nullopt;
        value = std::min(value * 10 + (line[i] - '0'), kSaturated);
    }
    return negative ? -value : value;
}
