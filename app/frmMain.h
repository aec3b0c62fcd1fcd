#pragma once

#include "Game.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmRecords.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <thread>

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
    QAction *mnuNewAgainstComputer() const { return m_mnuNewAgainstComputer; }
    ComputerDriver &computer() const { return *m_computer; }
    QAction *mnuSaveGame() const { return m_mnuSaveGame; }
    QAction *mnuLoadGame() const { return m_mnuLoadGame; }
    QAction *mnuExit() const { return m_mnuExit; }
    QAction *mnuAnimateDice() const { return m_mnuAnimateDice; }
    QAction *mnuAbout() const { return m_mnuAbout; }
    QAction *mnuRecords() const { return m_mnuRecords; }
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
    void renderHint();
    static bool selectCell(ScoreCard &grid, int row, int col);
    void startAdvisor();
    // The game just ended goes into the records; once its "Game Over!" box is closed, a problem
    // with the records is told, or a place in the top ten shown.
    void recordGame();
    void afterGameOver();
    void showRecords(std::optional<qint64> markGame);

    Platform &m_platform;
    SettingsStore &m_settings;
    records::RecordStore &m_records;
    records::Fetched<records::Recorded> m_lastRecord;
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
};
