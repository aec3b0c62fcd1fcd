#pragma once

#include "GameState.h"
#include "Platform.h"
#include "ScoreCard.h"
#include "Scoring.h"
#include "Seat.h"

#include <QObject>
#include <array>
#include <optional>

class SettingsStore;
struct SavedGame;

// What a message box or the hint panel shows of a name: at most kShownName characters, a longer
// name cut short with an ellipsis. Names themselves are kept whole.
constexpr int kShownName = 40;
QString shownName(const QString &name);

// The game as the main window holds it: the state record, the two score card grids, what the
// dice boxes show and which controls are enabled, and the logic of every handler. The window
// routes each event here and draws what these accessors say.
class Game : public QObject
{
    Q_OBJECT

public:
    Game(Platform &platform, SettingsStore &settings, QObject *parent = nullptr);

    const GameState &state() const { return m_state; }
    const ScoreCard &top() const { return m_top; }
    const ScoreCard &bottom() const { return m_bottom; }
    // Views click a cell through these: the click leaves the clicked cell current.
    ScoreCard &top() { return m_top; }
    ScoreCard &bottom() { return m_bottom; }

    // Face shown by each box of the table row and of the saved row; 0 when the box is empty.
    const std::array<int, 5> &rolledFaces() const { return m_rolledFaces; }
    const std::array<int, 5> &savedFaces() const { return m_savedFaces; }
    bool diceEnabled() const { return m_diceEnabled; }
    // The faces the state holds for the five dice, as the scoring rules take them.
    Dice dice() const;
    // What player n's column holds in a category's row: "" while the category is free.
    QString entry(int player, Category category) const;
    bool rollEnabled() const { return m_rollEnabled; }
    bool saveEnabled() const { return m_saveEnabled; }
    // What a box, the hint panel or a screen reader calls player n: the name as shown
    // (shownName), or "Player n" for an empty name; "" for a seat outside the game.
    QString playerName(int player) const;
    // Who plays player n's seat (1..6); a person outside a game against the computer.
    SeatKind seatKind(int player) const;
    const std::array<SeatKind, 7> &seats() const { return m_seats; }
    // True while a game is in progress and its player to move is the computer's.
    bool computerToMove() const;

    // Whether Game > Undo can take back an entry: the last one a person made, in the game on the
    // card, while the game goes on and the next player has not rolled yet.
    bool canUndo() const;

    // Raised each time a New game or a Load replaces the game on the card.
    quint64 generation() const { return m_generation; }

    // True once Exit (or an accepted close) has ended the program.
    bool quitting() const { return m_quitting; }
    // True while a roll is under way (its frames pump the window's events).
    bool rolling() const { return m_rolling; }

    // Start-up, before the window is first shown.
    void Form_Load();

    void cmdRoll_Click();
    void imgDiceRolled_Click(int index);
    void imgDiceSaved_Click(int index);
    // The category is the grid's current row, as the click left it.
    void ScoreCardTop_Click();
    void ScoreCardBottom_Click();
    void mnuNewGame_Click();
    // Game > New Against Computer: the seats dialog, then a new game as New starts one.
    void mnuNewAgainstComputer_Click();
    void mnuSaveGame_Click();
    void mnuLoadGame_Click();
    void mnuExit_Click();
    void mnuAnimateDice_Click();
    // Game > Undo: the card, the totals, the dice, the rolls and the player to move go back to
    // what they were just before that entry. One entry only; nothing when canUndo() is false.
    void mnuUndo_Click();
    // The window's close box: true when the window may close (nothing in progress, or Yes).
    bool confirmClose();

    void AdvanceTurn();
    void UpdateTotals();
    // The players with the highest grand total, in player order, joined with " and ", each name
    // as a message shows it (shownName).
    QString WinnerNames() const;

signals:
    // Fires after every change the window shows, and before any prompt or event pumping, so the
    // window is up to date whenever it can be seen.
    void changed();
    // The last entry of the thirteenth round has ended the game: fires once, with the final card
    // and totals in place, just before the "Game Over!" box.
    void ended();
    // The "Game Over!" box has been closed and the game is over (not when a Load replaced it
    // meanwhile).
    void endAnnounced();

private:
    // Moves die index from the table row to the saved row (hold) or back.
    void moveDie(int index, bool hold);
    void scoreClick(ScoreCard &grid, bool upper);
    // The prompts. A game replaced while one is open (a Load that overtakes it) makes replaced()
    // true for the generation taken before it: the handler that asked must then stop.
    bool ask(const QString &title, const QString &text);
    void tell(const QString &title, const QString &text);
    QString input(const QString &prompt, const QString &title, const QString &defaultText);
    bool replaced(quint64 generation) const { return generation != m_generation; }
    void clearScoreCard();
    // No game in progress, or Yes to "Game In Progress" (and no Load overtook the question).
    bool newGameConfirmed();
    // Player 1's first turn of a game whose players are set up.
    void startGame();
    std::vector<Seat> offeredSeats();
    void storeSeats(const std::vector<Seat> &seats);
    void clearDice();
    void endAbandonedGame();
    void markCurrentPlayer();
    // A new or loaded game takes the place of the one on the card.
    void replaceGame();
    void apply(const SavedGame &saved);

    Platform &m_platform;
    SettingsStore &m_settings;
    GameState m_state;
    ScoreCard m_top;
    ScoreCard m_bottom;
    std::array<SeatKind, 7> m_seats{};  // by player number, slot 0 unused
    // The game just before a person's last entry.
    struct UndoPoint
    {
        GameState state;
        ScoreCard top;
        ScoreCard bottom;
        std::array<int, 5> rolledFaces;
        std::array<int, 5> savedFaces;
        bool rollEnabled;
        quint64 generation;
    };
    std::optional<UndoPoint> m_undo;
    std::array<int, 5> m_rolledFaces{};
    std::array<int, 5> m_savedFaces{};
    bool m_diceEnabled = true;
    bool m_rollEnabled = false;
    bool m_saveEnabled = false;
    bool m_quitting = false;
    bool m_rolling = false;
    // Raised whenever the game is replaced (New game clears the card, a Load succeeds), so a roll
    // or a prompt under way stops acting on the new game.
    quint64 m_generation = 0;
    quint64 m_rollingGeneration = 0;  // the game the roll under way belongs to
};
