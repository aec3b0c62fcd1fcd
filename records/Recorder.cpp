#include "Recorder.h"

#include "PendingGames.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

namespace records {

namespace {
QString quoted(const QString &path)
{
    //: A file's path in the quotation marks of the language.
    return QCoreApplication::translate("RecordStore", "“%1”")
        .arg(QDir::toNativeSeparators(path));
}
}  // namespace

Recorder::Recorder(const QString &path, QObject *parent) : Recorder(path, Timing(), parent) {}

Recorder::Recorder(const QString &path, Timing timing, QObject *parent)
    : QObject(parent), m_path(path), m_timing(timing)
{
    m_jobs.push_back({});
    m_worker = std::thread([this] { work(); });
}

Recorder::~Recorder()
{
    {
        const std::lock_guard guard(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

quint64 Recorder::record(GameRecord game)
{
    if (!game.endedAt.isValid())
        game.endedAt = QDateTime::currentDateTime();
    const quint64 ticket = ++m_tickets;
    {
        const std::lock_guard guard(m_mutex);
        m_jobs.push_back({ticket, std::move(game)});
    }
    m_wake.notify_all();
    return ticket;
}

void Recorder::work()
{
    RecordStore store(m_path, m_timing.attemptMs);
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        const Outcome outcome = write(job, store);
        if (job.ticket != 0)
            QMetaObject::invokeMethod(
                this, [this, ticket = job.ticket, outcome] { emit finished(ticket, outcome); },
                Qt::QueuedConnection);
    }
}

Outcome Recorder::write(const Job &job, RecordStore &store)
{
    auto stopping = [this] {
        const std::lock_guard guard(m_mutex);
        return m_stopping;
    };
    Outcome outcome;
    if (job.ticket != 0 && !job.game.seatCountFits())
        return {Outcome::Kind::Refused, {}, {}};  // no game that was played: nothing to tell
    PendingGames pending(m_path);
    Status status;
    bool attempted = false;
    QElapsedTimer waited;
    waited.start();
    // Another program that holds the file is waited out attempt by attempt. At an exit the game
    // gets no further attempt: it is kept pending at once.
    for (bool first = true;
         !stopping() && (first || (status.busy && waited.elapsed() < m_timing.patienceMs));
         first = false) {
        attempted = true;
        const PendingGames::Kept kept = pending.read();
        if (job.ticket == 0) {
            if (kept.games.empty())
                return {};
            status = store.recordKept(kept.games).status;
        } else {
            const Fetched<Recorded> written = store.record(job.game, kept.games);
            status = written.status;
            outcome.recorded = written.value;
        }
        if (!status.notice.isEmpty())
            m_news << status.notice;
        if (status.ok)
            pending.remove(kept.lines);
    }
    // The games left from before stay pending when they cannot be written; the next game says
    // why, and any news, with its own outcome.
    if (job.ticket == 0)
        return {};
    if (!attempted)
        status.ok = false;  // the program is closing
    if (status.ok) {
        outcome.kind = Outcome::Kind::Recorded;
    } else {
        outcome.recorded = {};
        const QString why = status.failure.isEmpty()
                                ? QCoreApplication::translate(
                                      "Recorder",
                                      "Kelbrune! closed before the game could be written to the "
                                      "records.")
                                : status.failure;
        if (const std::optional<QString> refused = pending.add(job.game)) {
            outcome.kind = Outcome::Kind::Refused;
            //: %1 is why the records could not be written, in sentences; %2 a path in quotation
            //: marks; %3 the system's reason.
            m_news << QCoreApplication::translate(
                          "Recorder", "%1 This game could not be kept in %2 either, so it is lost: "
                                      "%3.")
                          .arg(why, quoted(pending.path()), *refused);
        } else {
            outcome.kind = Outcome::Kind::Pending;
            //: %1 is why the records could not be written, in sentences; %2 a path in quotation
            //: marks.
            sayOnce(QCoreApplication::translate(
                        "Recorder", "%1 This game is kept in %2 and will be added to the records "
                                    "the next time they can be written.")
                        .arg(why, quoted(pending.path())));
        }
    }
    outcome.message = m_news.join(QStringLiteral("\n\n"));
    m_news.clear();
    return outcome;
}

void Recorder::sayOnce(const QString &problem)
{
    if (!m_told.contains(problem)) {
        m_told.insert(problem);
        m_news << problem;
    }
}

}  // namespace records
