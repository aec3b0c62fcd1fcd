#include "PendingGames.h"

#include "RecordsLock.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cerrno>
#include <cmath>
#include <limits>
#include <unistd.h>

namespace records {

namespace {

constexpr qint64 kMaxBytes = 16 << 20;

// A whole number that fits an int, as a JSON value; none for anything else.
std::optional<int> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || std::abs(number) > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(number);
}

}  // namespace

PendingGames::PendingGames(const QString &recordsPath)
    : m_recordsPath(recordsPath), m_path(recordsPath + QStringLiteral(".pending"))
{
}

QString PendingGames::lineOf(const GameRecord &game)
{
    QJsonArray seats;
    for (const SeatRecord &s : game.seats) {
        QJsonArray entries;
        for (int entry : s.entries)
            entries.append(entry);
        QJsonObject seat{{"name", s.name},
                         {"kind", s.kind},
                         {"upper", s.upperTotal},
                         {"bonus", s.bonus},
                         {"lower", s.lowerTotal},
                         {"grand", s.grandTotal},
                         {"entries", entries}};
        if (s.pointsLost)
            seat.insert(QStringLiteral("lost"), *s.pointsLost);
        seats.append(seat);
    }
    const QJsonObject object{{"ended", double(game.endedAt.toMSecsSinceEpoch())},
                             {"seats", seats}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<GameRecord> PendingGames::gameOf(const QString &line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8());
    const QJsonObject object = document.object();
    const QJsonValue ended = object.value(QStringLiteral("ended"));
    const QJsonArray seats = object.value(QStringLiteral("seats")).toArray();
    if (!ended.isDouble() || seats.isEmpty() || std::size_t(seats.size()) > kMaxSeats)
        return std::nullopt;
    GameRecord game;
    game.endedAt = QDateTime::fromMSecsSinceEpoch(qint64(ended.toDouble()));
    for (const QJsonValue &value : seats) {
        const QJsonObject seat = value.toObject();
        const QJsonValue name = seat.value(QStringLiteral("name"));
        const QJsonValue kind = seat.value(QStringLiteral("kind"));
        const QJsonArray entries = seat.value(QStringLiteral("entries")).toArray();
        if (!name.isString() || !kind.isString() || entries.size() != kCategoryCount)
            return std::nullopt;
        SeatRecord s;
        s.name = name.toString();
        s.kind = kind.toString();
        for (auto [key, field] : {std::pair{"upper", &s.upperTotal}, std::pair{"bonus", &s.bonus},
                                  std::pair{"lower", &s.lowerTotal},
                                  std::pair{"grand", &s.grandTotal}}) {
            const std::optional<int> number = wholeNumber(seat.value(QLatin1String(key)));
            if (!number)
                return std::nullopt;
            *field = *number;
        }
        for (int c = 0; c < kCategoryCount; ++c) {
            const std::optional<int> number = wholeNumber(entries.at(c));
            if (!number)
                return std::nullopt;
            s.entries[std::size_t(c)] = *number;
        }
        const QJsonValue lost = seat.value(QStringLiteral("lost"));
        if (lost.isDouble() && lost.toDouble() >= 0)
            s.pointsLost = lost.toDouble();
        game.seats.push_back(s);
    }
    return game;
}

std::optional<QString> PendingGames::add(const GameRecord &game)
{
    // Without the lock (a copy that hangs holding it) the game is still added: a line written
    // at the end in one go rarely meets another, and losing the game would be worse.
    const RecordsLock lock(m_recordsPath);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 before = file.size();
    QByteArray bytes = lineOf(game).toUtf8() + '\n';
    // A line cut short by an earlier failure must not swallow this one.
    if (before > 0 && file.seek(before - 1) && file.read(1) != "\n")
        bytes.prepend('\n');
    if ((!file.isSequential() && !file.seek(before)) || file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.resize(before);  // nothing half written stays behind
        return why;
    }
    if (::fsync(file.handle()) != 0) {
        const QString why = qt_error_string(errno);
        file.resize(before);
        return why;
    }
    return std::nullopt;
}

QStringList PendingGames::readLines() const
{
    // Only a file, and only as much of it as thousands of games fill: a device or a runaway file
    // in its place must not stall the records.
    QFile file(m_path);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray &line : file.read(kMaxBytes).split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromUtf8(line);
    return lines;
}

PendingGames::Kept PendingGames::read() const
{
    Kept kept;
    if (!QFile::exists(m_path))
        return kept;  // the usual case, settled without the lock
    const RecordsLock lock(m_recordsPath);
    for (const QString &line : readLines()) {
        if (std::optional<GameRecord> game = gameOf(line)) {
            kept.games.push_back(*game);
            kept.lines << line;
        }
    }
    return kept;
}

int PendingGames::count() const
{
    int games = 0;
    for (const QString &line : readLines())
        games += gameOf(line).has_value();
    return games;
}

void PendingGames::remove(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    const RecordsLock lock(m_recordsPath);
    if (!lock.held())
        return;
    QStringList left;
    QStringList written = lines;
    for (const QString &line : readLines()) {
        if (written.removeOne(line) || !gameOf(line))
            continue;
        left << line;
    }
    if (left.isEmpty()) {
        QFile::remove(m_path);
        return;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray bytes = left.join(QLatin1Char('\n')).toUtf8() + '\n';
    if (file.write(bytes) != bytes.size() || !file.flush())
        file.cancelWriting();
    file.commit();
}

void PendingGames::clear()
{
    const RecordsLock lock(m_recordsPath);
    QFile::remove(m_path);
}

}  // namespace records
