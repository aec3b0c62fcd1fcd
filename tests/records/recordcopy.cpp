// A copy of the game that records one game at a given moment, so copies started apart finish
// together. Arguments: records file, player's name, moment in ms since 1970. Prints the outcome.

#include "Recorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <cstdio>

using namespace records;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    SeatRecord seat;
    seat.name = QString::fromLocal8Bit(argv[2]);
    seat.grandTotal = 200;
    GameRecord game;
    game.seats.push_back(seat);

    Recorder recorder(path);
    const qint64 at = QByteArray(argv[3]).toLongLong();
    while (QDateTime::currentMSecsSinceEpoch() < at)
        QThread::usleep(200);
    int exitCode = 1;
    QObject::connect(&recorder, &Recorder::finished, &app, [&](quint64, const Outcome &outcome) {
        static const char *const kinds[] = {"Recorded", "Pending", "Refused"};
        std::printf("%s %s\n", kinds[int(outcome.kind)], qPrintable(outcome.message));
        exitCode = outcome.kind == Outcome::Kind::Recorded ? 0 : 1;
        app.quit();
    });
    recorder.record(game);
    app.exec();
    return exitCode;
}
