#include "SaveFile.h"

#include "CardLayout.h"
#include "NumericValue.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20;  // a real six-player file is well under 20 KB
constexpr int kBlockLines = 42;
constexpr int kTailLines = 15;

// Code page 1252 bytes 0x80..0x9F. The five bytes the code page leaves unused read as the C1
// controls of the same number, so every byte has a character and every such character goes back
// to its byte.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The text of valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF); none for
// any other bytes. A byte-order mark is kept as a character, as any other.
std::optional<QString> fromStrictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

// The byte for a character of code page 1252, or -1 when the code page has none.
int cp1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    const auto *hit = std::find(std::begin(kCp1252High), std::end(kCp1252High), u);
    return hit == std::end(kCp1252High) ? -1 : int(0x80 + (hit - std::begin(kCp1252High)));
}

QString decodeText(QByteArrayView bytes)
{
    std::optional<QString> utf8 = fromStrictUtf8(bytes);
    QString text = utf8 ? *utf8 : fromCp1252(bytes);
    // A bare CR is no line end here, but the game never holds one either.
    text.replace(u'\r', u' ');
    return text;
}

QByteArray encodeText(const QString &original)
{
    const QString text = singleLine(original);

    QByteArray bytes;
    bytes.reserve(text.size());
    bool beyondAscii = false;
    for (const QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0)
            return text.toUtf8();
        beyondAscii = beyondAscii || b >= 0x80;
        bytes.append(char(b));
    }
    // The reader takes valid UTF-8 for UTF-8; a name such as "Ã©" would come back as "é".
    if (beyondAscii && fromStrictUtf8(bytes))
        return text.toUtf8();
    return bytes;
}

void appendLine(QByteArray &out, QByteArrayView line)
{
    out.append(line);
    out.append("\r\n");
}

void appendNumber(QByteArray &out, qint64 value)
{
    out.append(value < 0 ? '-' : ' ');
    out.append(QByteArray::number(value < 0 ? -value : value));
    out.append(' ');
    out.append("\r\n");
}

void appendBool(QByteArray &out, bool value)
{
    appendLine(out, value ? "True" : "False");
}

constexpr qsizetype kLongestShown = 24;

// The start of a line for a message, blanks around it left out.
QString shown(QByteArrayView line)
{
    const QString text =
        QString::fromLatin1(line.first(std::min(line.size(), kLongestShown))).trimmed();
    return line.size() > kLongestShown ? text + QStringLiteral("...") : text;
}

// The start of a line for a message, exactly as it stands: where a blank or a control character
// is the fault, it must show, so tabs and carriage returns are written as \t and \r.
QString shownAsIs(QByteArrayView line)
{
    QString text;
    for (const char c : line.first(std::min(line.size(), kLongestShown))) {
        if (c == '\t')
            text += QStringLiteral("\\t");
        else if (c == '\r')
            text += QStringLiteral("\\r");
        else
            text += QChar::fromLatin1(c);
    }
    return line.size() > kLongestShown ? text + QStringLiteral("...") : text;
}

// A value of the file that a refusal names: which one, whose, and of which row.
struct Named
{
    enum Kind {
        PlayerCount,
        CellColour,
        LowerCardColour,  // the colour of the lower card's own "Upper Total" cell
        UpperTotal,
        LowerTotal,
        GrandTotal,
        Mover,
        Rolls,
        Round,
        Die,
    };
    Kind kind;
    int number = 0;  // the player or the die, from 1
    QString label = {};  // the row of a cell's colour, as the card names it
};

// The refusal of a line that holds no whole number where the value belongs.
QString notWholeNumber(const Named &value)
{
    const QString n = QString::number(value.number);
    switch (value.kind) {
    case Named::PlayerCount:
        return QCoreApplication::translate(
            "SaveFile", "This line should hold the number of players as a whole number.");
    case Named::CellColour:
        //: %2 is a row of the score card, such as Aces.
        return QCoreApplication::translate(
                   "SaveFile", "This line should hold the colour of player %1's %2 cell as a whole "
                               "number.")
            .arg(n, value.label);
    case Named::LowerCardColour:
        return QCoreApplication::translate(
                   "SaveFile", "This line should hold the colour of player %1's %2 cell in the lower "
                               "card as a whole number.")
            .arg(n, value.label);
    case Named::UpperTotal:
        return QCoreApplication::translate(
                   "SaveFile", "This line should hold the upper total of player %1 as a whole number.")
            .arg(n);
    case Named::LowerTotal:
        return QCoreApplication::translate(
                   "SaveFile", "This line should hold the lower total of player %1 as a whole number.")
            .arg(n);
    case Named::GrandTotal:
        return QCoreApplication::translate(
                   "SaveFile", "This line should hold the grand total of player %1 as a whole number.")
            .arg(n);
    case Named::Mover:
        return QCoreApplication::translate(
            "SaveFile", "This line should hold the player to move as a whole number.");
    case Named::Rolls:
        return QCoreApplication::translate(
            "SaveFile", "This line should hold the number of rolls made this turn as a whole number.");
    case Named::Round:
        return QCoreApplication::translate(
            "SaveFile", "This line should hold the round as a whole number.");
    case Named::Die:
        return QCoreApplication::translate(
                   "SaveFile", "This line should hold die %1 as a whole number.")
            .arg(n);
    }
    return {};
}

// The refusal of a whole number outside the value's limits; shown is the line as it stands.
QString outOfRange(const Named &value, qint64 lowest, qint64 highest, const QString &shown)
{
    const QString n = QString::number(value.number);
    const QString low = QString::number(lowest);
    const QString high = QString::number(highest);
    switch (value.kind) {
    case Named::PlayerCount:
        return QCoreApplication::translate(
                   "SaveFile", "The number of players must be from %1 to %2, not %3.")
            .arg(low, high, shown);
    case Named::CellColour:
        //: %2 is a row of the score card, such as Aces.
        return QCoreApplication::translate(
                   "SaveFile", "The colour of player %1's %2 cell must be from %3 to %4, not %5.")
            .arg(n, value.label, low, high, shown);
    case Named::LowerCardColour:
        return QCoreApplication::translate(
                   "SaveFile", "The colour of player %1's %2 cell in the lower card must be from %3 "
                               "to %4, not %5.")
            .arg(n, value.label, low, high, shown);
    case Named::UpperTotal:
        return QCoreApplication::translate(
                   "SaveFile", "The upper total of player %1 must be from %2 to %3, not %4.")
            .arg(n, low, high, shown);
    case Named::LowerTotal:
        return QCoreApplication::translate(
                   "SaveFile", "The lower total of player %1 must be from %2 to %3, not %4.")
            .arg(n, low, high, shown);
    case Named::GrandTotal:
        return QCoreApplication::translate(
                   "SaveFile", "The grand total of player %1 must be from %2 to %3, not %4.")
            .arg(n, low, high, shown);
    case Named::Mover:
        return QCoreApplication::translate(
                   "SaveFile", "The player to move must be from %1 to %2, not %3.")
            .arg(low, high, shown);
    case Named::Rolls:
        return QCoreApplication::translate(
                   "SaveFile", "The number of rolls made this turn must be from %1 to %2, not %3.")
            .arg(low, high, shown);
    case Named::Round:
        return QCoreApplication::translate("SaveFile",
                                           "The round must be from %1 to %2, not %3.")
            .arg(low, high, shown);
    case Named::Die:
        return QCoreApplication::translate("SaveFile", "Die %1 must be from %2 to %3, not %4.")
            .arg(n, low, high, shown);
    }
    return {};
}

// Hands out the lines of a file one by one, counting them from 1.
class LineReader
{
public:
    explicit LineReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
        // A byte-order mark, as some editors put before UTF-8 text.
        if (m_bytes.size() >= 3 && std::memcmp(m_bytes.data(), "\xEF\xBB\xBF", 3) == 0)
            m_pos = 3;
    }

    // The next line without its line end (CR LF or a bare LF; the last one may have none);
    // empty when the file has ended.
    std::optional<QByteArrayView> next()
    {
        ++m_line;
        if (m_pos >= m_bytes.size())
            return std::nullopt;
        const char *start = m_bytes.data() + m_pos;
        const auto rest = std::size_t(m_bytes.size() - m_pos);
        const auto *lf = static_cast<const char *>(std::memchr(start, '\n', rest));
        qsizetype length = lf ? qsizetype(lf - start) : qsizetype(rest);
        m_pos += length + (lf ? 1 : 0);
        if (length > 0 && start[length - 1] == '\r')
            --length;
        return QByteArrayView(start, length);
    }

    int line() const { return m_line; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    int m_line = 0;
};

// Reads the values in file order and keeps the first fault it meets; once one is found every
// further read fails, so the fault reported is that of the lowest line.
class Decoder
{
public:
    explicit Decoder(QByteArrayView bytes)
        : m_reader(bytes)
    {
    }

    void expectLines(int count) { m_expected = count; }

    std::optional<QByteArrayView> line()
    {
        if (m_failed)
            return std::nullopt;
        const auto next = m_reader.next();
        if (!next) {
            if (m_reader.line() == 1)
                fail(m_reader.line(), QCoreApplication::translate("SaveFile", "The file is empty."));
            else if (m_expected > 0)
                fail(m_reader.line(),
                     QCoreApplication::translate(
                         "SaveFile", "The file ends before this line; this game needs %n lines.",
                         nullptr, m_expected));
            else
                fail(m_reader.line(),
                     QCoreApplication::translate("SaveFile", "The file ends before this line."));
        }
        return next;
    }

    std::optional<QString> text()
    {
        const auto raw = line();
        if (!raw)
            return std::nullopt;
        return decodeText(*raw);
    }

    // The next line, or none at the end of the file: for lines that may be absent.
    std::optional<QByteArrayView> optionalLine()
    {
        if (m_failed)
            return std::nullopt;
        return m_reader.next();
    }

    // describe() names the value (a Named); it is only called to word a refusal.
    template<typename Describe>
    std::optional<qint64> number(qint64 lowest, qint64 highest, Describe describe)
    {
        const auto raw = line();
        if (!raw)
            return std::nullopt;
        const auto value = wholeNumber(*raw);
        if (!value) {
            fail(m_reader.line(), notWholeNumber(describe()));
            return std::nullopt;
        }
        if (*value < lowest || *value > highest) {
            fail(m_reader.line(), outOfRange(describe(), lowest, highest, shown(*raw)));
            return std::nullopt;
        }
        return value;
    }

    // A held line means "not held" only when it is exactly "False".
    std::optional<bool> held()
    {
        const auto raw = line();
        if (!raw)
            return std::nullopt;
        return *raw != QByteArrayView("False");
    }

    int lineNumber() const { return m_reader.line(); }

    void fail(int line, const QString &reason)
    {
        if (m_failed)
            return;
        m_failed = true;
        m_error = {line, reason};
    }

    DecodeResult failure() const { return {std::nullopt, m_error}; }

private:

    LineReader m_reader;
    SaveFileError m_error;
    bool m_failed = false;
    int m_expected = 0;
};

int freeCategories(const SavedPlayer &player)
{
    int free = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        const auto row = std::size_t(card::rowOf(Category(c)) - 1);
        free += (isUpper(Category(c)) ? player.top[row] : player.bottom[row]).text.isEmpty();
    }
    return free;
}

const QByteArray kSeatsHeading = QByteArrayLiteral("Computer players");

constexpr qint64 kInt16Min = -32768;
constexpr qint64 kInt16Max = 32767;
constexpr qint64 kInt32Min = -2147483648LL;
constexpr qint64 kInt32Max = 2147483647LL;

}  // namespace

QByteArray encodeSavedGame(const SavedGame &game)
{
    QByteArray out;
    out.reserve(qsizetype(game.players.size()) * 600 + 100);
    appendNumber(out, qint64(game.players.size()));
    for (const SavedPlayer &player : game.players) {
        appendLine(out, encodeText(player.name));
        appendNumber(out, player.upperTotal);
        appendNumber(out, player.lowerTotal);
        appendNumber(out, player.grandTotal);
        for (const SavedCell &cell : player.top) {
            appendLine(out, encodeText(cell.text));
            appendNumber(out, cell.colour);
        }
        for (const SavedCell &cell : player.bottom) {
            appendLine(out, encodeText(cell.text));
            appendNumber(out, cell.colour);
        }
    }
    appendNumber(out, game.currentPlayer);
    appendNumber(out, game.rollCount);
    appendNumber(out, game.roundCount);
    appendBool(out, game.rollEnabled);
    for (std::size_t d = 0; d < game.diceValue.size(); ++d) {
        appendNumber(out, game.diceValue[d]);
        appendBool(out, game.diceSaved[d]);
    }
    if (std::any_of(game.seats.begin(), game.seats.end(),
                    [](SeatKind kind) { return kind != SeatKind::Human; })) {
        appendLine(out, kSeatsHeading);
        for (SeatKind kind : game.seats)
            appendLine(out, seatKindName(kind).toLatin1());
    }
    return out;
}

DecodeResult decodeSavedGame(const QByteArray &bytes)
{
    Decoder in(bytes);
    SavedGame game;

    const auto count = in.number(1, 6, [] { return Named{Named::PlayerCount}; });
    if (!count)
        return in.failure();
    in.expectLines(kBlockLines * int(*count) + kTailLines);
    game.players.resize(std::size_t(*count));

    // A category's cell holds nothing yet or a score the dice can make there; any other cell is
    // shown as it stands.
    auto readCell = [&](SavedCell &cell, int p, const card::Row &row, Named::Kind colourOf) {
        const auto raw = in.line();
        const int textLine = in.lineNumber();
        const auto colour = in.number(kInt32Min, kInt32Max, [&] {
            return Named{colourOf, p, card::label(row).simplified()};
        });
        if (!raw || !colour)
            return false;
        cell.text = decodeText(*raw);
        cell.colour = qint32(*colour);
        if (row.line == card::Line::Entry && !cell.text.isEmpty()) {
            const std::optional<qint64> points = wholeNumber(*raw);
            if (!points || !isPossibleScore(row.category, int(*points))) {
                //: %2 is a row of the score card, such as Aces; %3 what the file holds there.
                in.fail(textLine, QCoreApplication::translate(
                                      "SaveFile", "Player %1's %2 should be empty or a score the "
                                                  "dice can make there, not \"%3\".")
                                      .arg(QString::number(p), card::label(row).simplified(),
                                           shown(*raw)));
                return false;
            }
        }
        return true;
    };

    for (int p = 1; p <= int(*count); ++p) {
        SavedPlayer &player = game.players[std::size_t(p - 1)];
        const auto name = in.text();
        auto total = [&](Named::Kind which) {
            return in.number(kInt16Min, kInt16Max, [&] { return Named{which, p}; });
        };
        const auto upper = total(Named::UpperTotal);
        const auto lower = total(Named::LowerTotal);
        const auto grand = total(Named::GrandTotal);
        if (!name || !upper || !lower || !grand)
            return in.failure();
        player.name = *name;
        player.upperTotal = qint16(*upper);
        player.lowerTotal = qint16(*lower);
        player.grandTotal = qint16(*grand);
        for (std::size_t r = 0; r < player.top.size(); ++r) {
            if (!readCell(player.top[r], p, card::rows(card::Section::Upper)[r + 1],
                          Named::CellColour))
                return in.failure();
        }
        for (std::size_t r = 0; r < player.bottom.size(); ++r) {
            // "Upper Total" stands in both grids.
            const card::Row &row = card::rows(card::Section::Lower)[r + 1];
            if (!readCell(player.bottom[r], p, row,
                          row.line == card::Line::UpperTotal ? Named::LowerCardColour
                                                             : Named::CellColour))
                return in.failure();
        }
    }

    const auto current = in.number(1, *count, [] { return Named{Named::Mover}; });
    const int currentLine = in.lineNumber();
    const auto rolls = in.number(0, 3, [] { return Named{Named::Rolls}; });
    const auto round = in.number(0, 12, [] { return Named{Named::Round}; });
    const int roundLine = in.lineNumber();
    // The Roll button's line: the game sets the button from the roll count instead.
    const auto rollButton = in.line();
    if (!current || !rolls || !round || !rollButton)
        return in.failure();
    // A player with a full column could never end the turn.
    if (freeCategories(game.players[std::size_t(*current - 1)]) == 0) {
        in.fail(currentLine, QCoreApplication::translate(
                                 "SaveFile", "Player %1 is to move but has no free category left "
                                             "on the score card.")
                                 .arg(*current));
        return in.failure();
    }
    // Nor could a player whose column fills up before the last round.
    for (int p = 1; p <= int(*count); ++p) {
        const int free = freeCategories(game.players[std::size_t(p - 1)]);
        const int turnsLeft = 13 - int(*round) - (p < *current ? 1 : 0);
        if (free < turnsLeft) {
            //: %2 says how many turns, as in "3 turns still to play".
            in.fail(roundLine, QCoreApplication::translate(
                                   "SaveFile", "Player %1 has %n free categories left on the score "
                                               "card but %2.", nullptr, free)
                                   .arg(QString::number(p),
                                        QCoreApplication::translate(
                                            "SaveFile", "%n turns still to play", nullptr,
                                            turnsLeft)));
            return in.failure();
        }
    }
    game.currentPlayer = qint16(*current);
    game.rollCount = qint16(*rolls);
    game.roundCount = qint16(*round);
    game.rollEnabled = *rollButton != QByteArrayView("False");

    for (std::size_t d = 0; d < game.diceValue.size(); ++d) {
        const int die = int(d) + 1;
        const auto value = in.number(0, 6, [&] { return Named{Named::Die, die}; });
        const int valueLine = in.lineNumber();
        const auto held = in.held();
        if (!value || !held)
            return in.failure();
        if (*held && *value == 0) {
            in.fail(valueLine, QCoreApplication::translate(
                                   "SaveFile", "Die %1 is set aside, so it must show 1 to 6, not 0.")
                                   .arg(die));
            return in.failure();
        }
        game.diceValue[d] = qint16(*value);
        game.diceSaved[d] = *held;
    }

    if (in.optionalLine() == kSeatsHeading) {
        in.expectLines(kBlockLines * int(*count) + kTailLines + 1 + int(*count));
        for (int p = 1; p <= int(*count); ++p) {
            const auto raw = in.line();
            if (!raw)
                return in.failure();
            const auto kind = seatKindFromName(QString::fromLatin1(*raw));
            if (!kind) {
                //: Human, Beginner, Casual, Strong and Perfect are the words the file holds:
                //: leave them in English.
                in.fail(in.lineNumber(),
                        QCoreApplication::translate(
                            "SaveFile", "This line should say who plays seat %1: Human, Beginner, "
                                        "Casual, Strong or Perfect, not \"%2\".")
                            .arg(QString::number(p), shownAsIs(*raw)));
                return in.failure();
            }
            game.seats.push_back(*kind);
        }
        // Only computer seats need the block; a block of people is a game of people.
        if (std::all_of(game.seats.begin(), game.seats.end(),
                        [](SeatKind kind) { return kind == SeatKind::Human; }))
            game.seats.clear();
    }
    return {std::move(game), {}};
}

std::optional<QString> writeSavedGame(const QString &path, const SavedGame &game)
{
    auto reason = [](const QFileDevice &file) {
        const QString why = file.errorString();
        // Some failures (a rename refused, say) leave only the device's default text.
        if (why.isEmpty() || why == QFile().errorString())
            return QCoreApplication::translate("SaveFile", "The file could not be written.");
        return why;
    };

    // A device or a pipe would be replaced by an ordinary file; a folder cannot be.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return info.isDir() ? QCoreApplication::translate("SaveFile", "This is a folder, not a file.")
                            : QCoreApplication::translate(
                                  "SaveFile", "This is not an ordinary file, so it is left as it is.");

    // Writes to a temporary file beside the target and renames it over the target only once
    // everything is on disk, so a failed save leaves an existing file as it was. Every write
    // error must be known before the rename: the file's buffer would otherwise meet a full disk
    // only while committing, and an empty file would replace the old game.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reason(file);
    const QByteArray bytes = encodeSavedGame(game);
    QString failed;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed = reason(file);
    else if (::fsync(file.handle()) != 0)
        failed = QString::fromLocal8Bit(std::strerror(errno));
    if (!failed.isEmpty()) {
        file.cancelWriting();  // the temporary file goes, the target stays untouched
        return failed;
    }
    if (!file.commit())
        return reason(file);
    return std::nullopt;
}

DecodeResult readSavedGame(const QString &path)
{
    auto tooLarge = [] {
        return QCoreApplication::translate("SaveFile", "The file is far too large to be a saved game.");
    };
    auto failure = [](const QString &reason) { return DecodeResult{std::nullopt, {0, reason}}; };

    const QFileInfo info(path);
    if (!info.exists())
        return failure(QCoreApplication::translate("SaveFile", "The file does not exist."));
    if (info.isDir())
        return failure(
            QCoreApplication::translate("SaveFile", "This is a folder, not a saved game."));
    // A pipe or a device could block the game or never end.
    if (!info.isFile())
        return failure(QCoreApplication::translate("SaveFile", "This is not an ordinary file."));
    if (info.size() > kMaxFileBytes)
        return failure(tooLarge());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        //: %1 is the system's reason.
        return failure(QCoreApplication::translate("SaveFile", "The file cannot be opened: %1.")
                           .arg(file.errorString()));
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        //: %1 is the system's reason.
        return failure(QCoreApplication::translate("SaveFile", "The file cannot be read: %1.")
                           .arg(file.errorString()));
    if (bytes.size() > kMaxFileBytes)
        return failure(tooLarge());
    return decodeSavedGame(bytes);
}
