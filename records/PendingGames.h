#pragma once

#include "GameRecord.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace records {

// Finished games that could not be written to the records file yet, kept in a small text file
// beside it (records.sqlite.pending) until they can be: one game a line, in JSON. Every copy of
// the game that uses the same records shares it, each change under the records' lock. A line
// that cannot be read as a game (the end of a write cut short) is left out and dropped with the
// next change.
class PendingGames
{
public:
    explicit PendingGames(const QString &recordsPath);

    QString path() const { return m_path; }

    // Adds a game at the end and syncs it to the disk. When the disk refuses it: why, in the
    // system's words.
    std::optional<QString> add(const GameRecord &game);

    struct Kept
    {
        std::vector<GameRecord> games;
        QStringList lines;  // each game's line as the file holds it, to remove it later
    };
    Kept read() const;
    // How many games wait; reads the file without the lock.
    int count() const;
    // Removes these lines (each once), now that their games are in the records; lines added
    // meanwhile stay. The file goes when nothing is left. Quietly keeps the lines when the
    // file cannot be changed: writing a game twice is prevented by the store.
    void remove(const QStringList &lines);
    // Forgets every pending game.
    void clear();

    // One game as a line of the file, and back; none for a line that is not a sound game.
    static QString lineOf(const GameRecord &game);
    static std::optional<GameRecord> gameOf(const QString &line);

private:
    QStringList readLines() const;

    QString m_recordsPath;
    QString m_path;
};

}  // namespace records
