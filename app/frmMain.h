#pragma once

#include "Game.h"
#include "frmRecords.h"

#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <thread>
#include <vector>

class Announcer;
class ChanceToWin;
class ComputerDriver;
class DiceTray;
class DieBox;
class GameCommands;
class GameSpeech;
class HintPanel;
class OptimalPlay;
class Platform;
class Prompts;
class QAction;
class QDialog;
class QGroupBox;
class QKeyEvent;
class QLabel;
class RollButton;
class RollShow;
class ScoreGridView;
class SettingsStore;
class StatusLine;
namespace records {
class RecordStore;
class Recorder;
}

// The main window: a view of the game and the player's way into it. It lays out the controls,
// turns clicks, keys and menu commands into the game's intentions (the commands that ask first go
// through GameCommands), shows each roll once the game has made it, and draws what the game holds.
// The advisor is shared with the caller, who may hand over one whose table is ready; else the
// window works it out in the background when it is first needed.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain(Platform &platform, Prompts &prompts, SettingsStore &settings, OptimalPlay &advisor,
            records::RecordStore &records, QWidget *parent = nullptr);
    ~frmMain() override;

    Game &game() { return m_game; }
    GameCommands &commands() const { return *m_commands; }

    // What the player does by mouse and keys. Each is ignored while it cannot apply: the dice,
    // Roll and the card are the computer's on its turn, and nobody's while a roll is shown.
    void cmdRoll_Click();
    void imgDiceRolled_Click(int index);
    void imgDiceSaved_Click(int index);
    // A mouse click on cell (row, col) of a grid: a category's row enters the dice there in the
    // column of the player to move, whichever column was clicked.
    void clickScoreCardTop(int row, int col);
    void clickScoreCardBottom(int row, int col);

    // The keys of play, wherever the focus is in the window while a game is on: Space or R
    // rolls; 1 to 5 hold or release that die; Up and Down move the cursor over the free rows of
    // the player to move (both grids as one list); Enter scores the outlined row (under the mouse
    // or the cursor), or shows the cursor when no row is outlined. In a score grid that has the
    // focus the arrows walk its cells instead, and Enter is a click on the cell. A key that can do
    // nothing now has a screen reader say why.
    void keyRoll();
    void keyDie(int die);
    void keyCursor(int step);
    void keyEnter();
    // The row under the keyboard cursor, as its category; none while it is not shown.
    std::optional<Category> cursor() const { return m_cursor; }

    // True while a roll is being shown: its frames run, and the dice, Roll, the card and Save wait.
    bool rolling() const;
    // What the computer did last ("Robo keeps 6 6 6 and rolls again."); "" once a person has
    // rolled since, or the game was replaced.
    QString narration() const;

    // The controls, for the window's tests.
    RollButton *cmdRoll() const { return m_cmdRoll; }
    Announcer *announcer() const { return m_announcer; }
    DieBox *imgDiceRolled(int index) const;
    DieBox *imgDiceSaved(int index) const;
    ScoreGridView *ScoreCardTop() const { return m_scoreCardTop; }
    ScoreGridView *ScoreCardBottom() const { return m_scoreCardBottom; }
    QGroupBox *Frame1(int index) const;
    ComputerDriver &computer() const { return *m_computer; }
    QAction *mnuNewGame() const { return m_mnuNewGame; }
    QAction *mnuNewAgainstComputer() const { return m_mnuNewAgainstComputer; }
    QAction *mnuSaveGame() const { return m_mnuSaveGame; }
    QAction *mnuLoadGame() const { return m_mnuLoadGame; }
    QAction *mnuRecords() const { return m_mnuRecords; }
    QAction *mnuReview() const { return m_mnuReview; }
    QAction *mnuExit() const { return m_mnuExit; }
    QAction *mnuUndo() const { return m_mnuUndo; }
    QAction *mnuAnimateDice() const { return m_mnuAnimateDice; }
    QAction *mnuShowHints() const { return m_mnuShowHints; }
    QAction *mnuShowPossibleScores() const { return m_mnuShowPossibleScores; }
    QAction *mnuHighContrast() const { return m_mnuHighContrast; }
    QAction *mnuHowToPlay() const { return m_mnuHowToPlay; }
    QAction *mnuAbout() const { return m_mnuAbout; }
    // The one-line status under the Roll button: whose turn, which roll comes next.
    QLabel *status() const;
    QGroupBox *hintFrame() const;
    QLabel *hintPanel() const;
    // The records window and the review while they are open.
    frmRecords *recordsWindow() const { return m_recordsWindow; }
    QDialog *reviewWindow() const { return m_reviewWindow; }
    records::Recorder &recorder() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    // The keys of play, taken from the control that has the focus before it sees them, and after a
    // screen reader has: a key taken as a shortcut never reaches the reader, which then neither
    // echoes it nor stops what it was saying.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    // Brings every control in line with the game.
    void render();
    void renderHint();
    // The chance to win for the hint panel: asked for the game as it stands when it changed.
    void askChances();
    std::optional<int> bestRecorded();
    // The keyboard cursor, the outlined cell, the would-be scores and what a screen reader is
    // told of the turn.
    void renderPlayAids();
    // What a box, the hint panel or a screen reader calls player index p: the name as shown, or
    // "Player n" for an empty name.
    QString playerName(int player) const;
    // Where a click scores now: the free category of the row under the mouse, else the cursor's.
    std::optional<Category> outlined() const;
    std::vector<Category> freeCategories() const;
    void hoverRow(bool upper, int row);
    bool playKey(QObject *watched, const QKeyEvent &key);
    // Whether the person to move may play the dice and the card now.
    bool playable() const;
    // A key of play that does nothing now: a screen reader says what Roll would say of the moment.
    void refuse();
    void undo();
    void score(Category category);
    // The game's signals and the roll's show.
    void gameReplaced();
    void showRoll();
    void landed();
    // The computer waits while a roll is shown, and while a screen reader speaks of its turn.
    void paceComputer();
    // The menu's switches and windows.
    void toggleAnimation();
    void toggleHints();
    void togglePossibleScores();
    void toggleHighContrast();
    void showHowToPlay();
    void showAbout();
    void showRecords(std::optional<qint64> markGame);
    // Game > Review Last Game: the review of the last game finished, not modal; one at a time.
    void showReview();
    void startAdvisor();

    Platform &m_platform;
    Prompts &m_prompts;
    SettingsStore &m_settings;
    records::RecordStore &m_records;
    Game m_game;
    OptimalPlay &m_advisor;
    std::thread m_solver;
    GameCommands *m_commands = nullptr;
    ComputerDriver *m_computer = nullptr;
    RollShow *m_show = nullptr;
    // The chance to win of the game last asked about, and what it was asked for.
    ChanceToWin *m_chances = nullptr;
    GameState m_chancesAsked;
    GameState m_chancesOf;
    std::vector<double> m_chanceValues;
    // A solo player's best recorded score, read once a game.
    std::optional<int> m_best;
    quint64 m_bestGame = ~quint64(0);
    bool m_animate = true;
    bool m_showHints = false;
    bool m_showPossible = false;
    bool m_highContrast = false;
    // Until the first game is set up the card keeps the look of an empty window.
    bool m_setUp = false;
    std::optional<Category> m_cursor;
    std::optional<Category> m_hovered;
    // A screen reader stops a line to speak the next: the line said last in the computer's turn,
    // until it has been heard.
    quint64 m_lineSaid = 0;
    bool m_lineHeard = true;

    RollButton *m_cmdRoll = nullptr;
    DiceTray *m_dice = nullptr;
    ScoreGridView *m_scoreCardTop = nullptr;
    ScoreGridView *m_scoreCardBottom = nullptr;
    StatusLine *m_status = nullptr;
    HintPanel *m_hints = nullptr;
    Announcer *m_announcer = nullptr;
    GameSpeech *m_speech = nullptr;
    QAction *m_mnuNewGame = nullptr;
    QAction *m_mnuNewAgainstComputer = nullptr;
    QAction *m_mnuUndo = nullptr;
    QAction *m_mnuSaveGame = nullptr;
    QAction *m_mnuLoadGame = nullptr;
    QAction *m_mnuRecords = nullptr;
    QAction *m_mnuReview = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuAnimateDice = nullptr;
    QAction *m_mnuShowHints = nullptr;
    QAction *m_mnuShowPossibleScores = nullptr;
    QAction *m_mnuHighContrast = nullptr;
    QAction *m_mnuHowToPlay = nullptr;
    QAction *m_mnuAbout = nullptr;
    QPointer<frmRecords> m_recordsWindow;
    QPointer<QDialog> m_reviewWindow;
    QPointer<QDialog> m_howToPlay;
};
