#pragma once

#include "Game.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "Recorder.h"
#include "frmRecords.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <optional>
#include <thread>
#include <vector>

class QAction;
class QPushButton;
class QGroupBox;
class QLabel;
class ComputerDriver;
class DieBox;
class ScoreGridView;
class Platform;
class SettingsStore;

// The main window: lays out the controls, routes each event to its handler in Game and draws
// what the game says. Creating it runs the start-up (Form_Load). The advisor is shared with the
// caller, who may hand over one whose table is ready; else the window works it out in the
// background when it is first needed. Every finished game goes into the records.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain(Platform &platform, SettingsStore &settings, OptimalPlay &advisor,
            records::RecordStore &records, QWidget *parent = nullptr);
    ~frmMain() override;

    Game &game() { return m_game; }

    // Event handlers, named after their control and event.
    void cmdRoll_Click();
    void imgDiceRolled_Click(int index);
    void imgDiceSaved_Click(int index);
    void ScoreCardTop_Click();
    void ScoreCardBottom_Click();
    void mnuNewGame_Click();
    void mnuNewAgainstComputer_Click();
    void mnuSaveGame_Click();
    void mnuLoadGame_Click();
    void mnuExit_Click();
    void mnuAnimateDice_Click();
    void mnuAbout_Click();
    // Game > Records: the records window, not modal; one at a time.
    void mnuRecords_Click();
    void mnuUndo_Click();
    // Settings > Show Possible Scores: after each roll, the points the dice would score in each
    // free row of the player to move, drawn faintly in those cells; stored as a setting.
    void mnuShowPossibleScores_Click();
    // Help > How to Play: the rules and the keys, in a window of its own.
    void mnuHowToPlay_Click();

    // The keys of play, wherever the focus is in the window while a game is on: Space or R
    // rolls; 1 to 5 hold or release that die; Up and Down move the cursor over the free rows of
    // the player to move (both grids as one list); Enter scores the outlined row (under the mouse
    // or the cursor), or shows the cursor when no row is outlined.
    void keyDie(int die);
    void keyCursor(int step);
    void keyEnter();
    // The row under the keyboard cursor, as its category; none while it is not shown.
    std::optional<Category> cursor() const { return m_cursor; }
    // Settings > Show Hints: shows or hides the hint panel and stores the choice. The advisor's
    // table is worked out in the background the first time the panel is shown.
    void mnuShowHints_Click();

    // A mouse click on cell (row, col) of a grid, as the grid control reports it: the cell becomes
    // current, then the grid's click handler runs. Ignored while the grid is disabled.
    void clickScoreCardTop(int row, int col);
    void clickScoreCardBottom(int row, int col);

    // The controls, for the window's tests.
    QPushButton *cmdRoll() const { return m_cmdRoll; }
    DieBox *imgDiceRolled(int index) const { return m_imgDiceRolled.at(std::size_t(index)); }
    DieBox *imgDiceSaved(int index) const { return m_imgDiceSaved.at(std::size_t(index)); }
    ScoreGridView *ScoreCardTop() const { return m_scoreCardTop; }
    ScoreGridView *ScoreCardBottom() const { return m_scoreCardBottom; }
    QGroupBox *Frame1(int index) const { return m_frame1.at(std::size_t(index)); }
    QAction *mnuNewGame() const { return m_mnuNewGame; }
    ComputerDriver &computer() const { return *m_computer; }
    QAction *mnuSaveGame() const { return m_mnuSaveGame; }
    QAction *mnuLoadGame() const { return m_mnuLoadGame; }
    QAction *mnuExit() const { return m_mnuExit; }
    QAction *mnuAnimateDice() const { return m_mnuAnimateDice; }
    QAction *mnuAbout() const { return m_mnuAbout; }
    QAction *mnuUndo() const { return m_mnuUndo; }
    // The one-line status under the Roll button: whose turn, which roll comes next.
    QLabel *status() const { return m_status; }
    // The records window while it is open, and what writes the finished games.
    frmRecords *recordsWindow() const { return m_recordsWindow; }
    records::Recorder &recorder() { return m_recorder; }
    QAction *mnuShowHints() const { return m_mnuShowHints; }
    QGroupBox *hintFrame() const { return m_hintFrame; }
    QLabel *hintPanel() const { return m_hintText; }
    // The picture of a face 1..6 that a die box copies; a null picture for any other face.
    const QPixmap &imgDice(int face) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    // Brings every control in line with the game.
    void render();
    void renderHint();
    // The keyboard cursor, the outlined cell, the would-be scores and what a screen reader is
    // told of the dice, the Roll button and the turn.
    void renderPlayAids();
    void announce(const QString &text);
    // Where a click scores now: the free category of the row under the mouse, else the cursor's.
    std::optional<Category> outlined() const;
    std::vector<Category> freeCategories() const;
    void hoverRow(bool upper, int row);
    static bool selectCell(ScoreCard &grid, int row, int col);
    void startAdvisor();
    // The game just ended goes to the records, which answer later on their own thread. Once its
    // "Game Over!" box is closed and the answer is in, in either order, a problem with the
    // records is told, or a place in the top ten shown.
    void recordGame();
    void afterGameOver();
    void recorded(quint64 ticket, const records::Outcome &outcome);
    void tellRecorded();
    void showRecords(std::optional<qint64> markGame);

    Platform &m_platform;
    SettingsStore &m_settings;
    records::RecordStore &m_records;
    records::Recorder m_recorder;
    quint64 m_recordTicket = 0;  // the last game handed to the records
    std::optional<records::Outcome> m_recordOutcome;
    bool m_gameOverClosed = false;
    QStringList m_recordsNews;  // what the records said that the player has not been told yet
    QPointer<frmRecords> m_recordsWindow;
    Game m_game;
    OptimalPlay &m_advisor;
    std::thread m_solver;
    bool m_showHints = false;
    QGroupBox *m_hintFrame = nullptr;
    QLabel *m_hintText = nullptr;
    QAction *m_mnuShowHints = nullptr;
    std::array<QPixmap, 6> m_imgDice;  // face k + 1 at index k
    QPushButton *m_cmdRoll = nullptr;
    std::array<DieBox *, 5> m_imgDiceRolled{};
    std::array<DieBox *, 5> m_imgDiceSaved{};
    std::array<QGroupBox *, 2> m_frame1{};
    ScoreGridView *m_scoreCardTop = nullptr;
    ScoreGridView *m_scoreCardBottom = nullptr;
    QAction *m_mnuNewGame = nullptr;
    QAction *m_mnuNewAgainstComputer = nullptr;
    ComputerDriver *m_computer = nullptr;
    QAction *m_mnuSaveGame = nullptr;
    QAction *m_mnuLoadGame = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuAnimateDice = nullptr;
    QAction *m_mnuAbout = nullptr;
    QAction *m_mnuRecords = nullptr;
    QAction *m_mnuUndo = nullptr;
    QAction *m_mnuShowPossibleScores = nullptr;
    QAction *m_mnuHowToPlay = nullptr;
    QLabel *m_status = nullptr;
    bool m_showPossible = false;
    std::optional<Category> m_cursor;
    std::optional<Category> m_hovered;
    // The turn the cursor and the announcements belong to, and the rolls told of so far.
    struct Turn
    {
        quint64 game = ~quint64(0);
        int player = -1;
        int round = -1;
        bool inProgress = false;
        bool operator==(const Turn &) const = default;
    } m_turn;
    int m_rollsTold = 0;
    QPointer<QDialog> m_howToPlay;
};
