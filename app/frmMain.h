#pragma once

#include "Game.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmRecords.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <optional>
#include <random>
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
class Prompts;
class SettingsStore;

// The main window: a view of the game and the player's way into it. It lays out the controls,
// asks every question and words every message before it calls one of the game's intentions,
// shows each roll (with its animation) once the game has made it, and draws what the game holds.
// The advisor is shared with the caller, who may hand over one whose table is ready; else the
// window works it out in the background when it is first needed. Every finished game goes into
// the records.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain(Platform &platform, Prompts &prompts, SettingsStore &settings, OptimalPlay &advisor,
            records::RecordStore &records, QWidget *parent = nullptr);
    ~frmMain() override;

    Game &game() { return m_game; }

    // What the player does, by mouse, keys or menu. Each is ignored while it cannot apply: the
    // dice, Roll and the card are the computer's on its turn, and nobody's while a roll is shown.
    void cmdRoll_Click();
    void imgDiceRolled_Click(int index);
    void imgDiceSaved_Click(int index);
    // A mouse click on cell (row, col) of a grid: a category's row enters the dice there in the
    // column of the player to move, whichever column was clicked. A row that scores nothing asks
    // first.
    void clickScoreCardTop(int row, int col);
    void clickScoreCardBottom(int row, int col);
    void mnuNewGame_Click();
    // Game > New Against Computer: the seats dialog, then a new game as New starts one.
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
    // Settings > Show Hints: shows or hides the hint panel and stores the choice. The advisor's
    // table is worked out in the background the first time the panel is shown.
    void mnuShowHints_Click();

    // The keys of play, wherever the focus is in the window while a game is on: Space or R
    // rolls; 1 to 5 hold or release that die; Up and Down move the cursor over the free rows of
    // the player to move (both grids as one list); Enter scores the outlined row (under the mouse
    // or the cursor), or shows the cursor when no row is outlined.
    void keyDie(int die);
    void keyCursor(int step);
    void keyEnter();
    // The row under the keyboard cursor, as its category; none while it is not shown.
    std::optional<Category> cursor() const { return m_cursor; }

    // True while a roll is being shown: its frames run, and the dice, Roll, the card and Save wait.
    bool rolling() const { return m_show.active; }
    // The close box: true when the window may close (nothing in progress, or Yes).
    bool confirmClose();
    bool quitting() const { return m_quitting; }
    // What the computer did last ("Robo keeps 6 6 6 and rolls again."), for the hint panel; ""
    // once a person has rolled since, or the game was replaced.
    QString narration() const { return m_narration; }

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
    // The records window while it is open.
    frmRecords *recordsWindow() const { return m_recordsWindow; }
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
    void renderDice();
    void renderHint();
    // The keyboard cursor, the outlined cell, the would-be scores and what a screen reader is
    // told of the dice, the Roll button and the turn.
    void renderPlayAids();
    void announce(const QString &text);
    // What a box, the hint panel or a screen reader calls player index p: the name as shown, or
    // "Player n" for an empty name.
    QString playerName(int player) const;
    // Where a click scores now: the free category of the row under the mouse, else the cursor's.
    std::optional<Category> outlined() const;
    std::vector<Category> freeCategories() const;
    void hoverRow(bool upper, int row);
    // The dice entered in a category by the person to move, after "Zero Score?" when they score
    // nothing.
    void scoreCategory(Category category);
    // The asking of the commands. A game replaced while a question is open (a Load that overtakes
    // it) makes replaced() true for the generation taken before it: the command must then stop.
    bool ask(const QString &title, const QString &text);
    void tell(const QString &title, const QString &text);
    QString input(const QString &prompt, const QString &title, const QString &defaultText);
    bool replaced(quint64 generation) const { return generation != m_game.generation(); }
    // No game in progress, or Yes to "Game In Progress" (and no Load overtook the question).
    bool newGameConfirmed();
    std::vector<Seat> offeredSeats();
    void storeSeats(const std::vector<Seat> &seats);
    // The game's signals.
    void gameReplaced();
    void showRoll();
    void nextFrame(quint64 show);
    void endShow();
    void gameOver();
    QString winnerNames() const;
    void startAdvisor();
    // Once its "Game Over!" box is closed, a problem with the records is told, or a place in the
    // top ten shown.
    void afterGameOver();
    void showRecords(std::optional<qint64> markGame);

    Platform &m_platform;
    Prompts &m_prompts;
    SettingsStore &m_settings;
    records::RecordStore &m_records;
    records::Fetched<records::Recorded> m_lastRecord;
    QPointer<frmRecords> m_recordsWindow;
    Game m_game;
    OptimalPlay &m_advisor;
    std::thread m_solver;
    bool m_animate = true;
    bool m_showHints = false;
    bool m_showPossible = false;
    bool m_quitting = false;
    // Until the first game is set up the card keeps the look of an empty window.
    bool m_setUp = false;
    // The roll being shown: its frames, and the faces the thrown dice show meanwhile.
    struct RollShow
    {
        bool active = false;
        quint64 id = 0;  // raised by every roll, so a frame of an earlier one does nothing
        int frame = 0;
        int frames = 0;
        Dice faces{};
        std::mt19937 random;
    } m_show;
    QString m_narration;
    quint64 m_narrationGame = 0;

    QGroupBox *m_hintFrame = nullptr;
    QLabel *m_hintText = nullptr;
    QAction *m_mnuShowHints = nullptr;
    std::array<QPixmap, 6> m_imgDice;  // face k + 1 at index k
    QPushButton *m_cmdRoll = nullptr;
    std::array<DieBox *, kDiceCount> m_imgDiceRolled{};
    std::array<DieBox *, kDiceCount> m_imgDiceSaved{};
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
    std::optional<Category> m_cursor;
    std::optional<Category> m_hovered;
    // The turn the cursor and the announcements belong to, and the rolls told of so far.
    struct TurnSeen
    {
        quint64 game = ~quint64(0);
        int player = -1;
        int round = -1;
        bool inProgress = false;
        bool operator==(const TurnSeen &) const = default;
    } m_turn;
    int m_rollsTold = 0;
    QPointer<QDialog> m_howToPlay;
};
