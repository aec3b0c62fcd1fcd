#pragma once

#include "GameRecord.h"
#include "RecordStore.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace records {

// What became of a finished game handed to a Recorder.
struct Outcome
{
    enum class Kind {
        Recorded,  // in the records file; `recorded` says its id and whether it is in the top ten
        Pending,   // kept in the pending file, to be written the next time the file can be
        Refused,   // neither: the disk refused both, and the game is lost
    };
    Kind kind = Kind::Recorded;
    Recorded recorded;
    // What the player should be told now, shown as it is; empty when there is nothing new.
    // Each problem is told once a session; a lost game always says so.
    QString message;
};

// Writes finished games to the records on a thread of its own, so the caller never waits on the
// file. A game is written together with any games left pending, waiting up to `patienceMs` for
// a file that another program holds; when it still cannot be written it is kept in the pending
// file beside the records (PendingGames). Games left pending by an earlier session are written
// at the start.
class Recorder : public QObject
{
    Q_OBJECT

public:
    struct Timing
    {
        // One attempt's wait for the file's write lock; an exit is noticed between attempts.
        int attemptMs = 250;
        // All attempts' wait for one game before it is kept pending.
        int patienceMs = 5000;
    };

    explicit Recorder(const QString &path, QObject *parent = nullptr);
    Recorder(const QString &path, Timing timing, QObject *parent = nullptr);
    // Returns once every game handed over is written or kept pending: the game being written
    // within one attempt's wait, the others at once.
    ~Recorder() override;

    QString path() const { return m_path; }

    // Hands over a finished game (stamped now when it has no end time) and returns at once with
    // a ticket, which finished() repeats.
    quint64 record(GameRecord game);

signals:
    // On the Recorder's own thread, once for each game handed over, in order, while the
    // Recorder lives.
    void finished(quint64 ticket, const records::Outcome &outcome);

private:
    struct Job
    {
        quint64 ticket = 0;  // 0: the games left pending at the start, alone
        GameRecord game;
    };
    void work();
    Outcome write(const Job &job, RecordStore &store);
    // Adds a problem to the news the first time only.
    void sayOnce(const QString &problem);

    QString m_path;
    Timing m_timing;
    quint64 m_tickets = 0;  // the caller's thread only

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_stopping = false;

    // The worker's own: what is told already, and news to tell with the next game.
    QSet<QString> m_told;
    QStringList m_news;

    std::thread m_worker;  // last: starts once everything above is in place
};

}  // namespace records
