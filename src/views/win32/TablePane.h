// The card table's pane: what the tables of all games share. The table pictures (backgrounds,
// name plates, trick stacks, figures, status bar, corner, player box), the layout of the
// table's elements at the three table sizes, the status bar with its texts and the game
// clock, the player-information box, the common part of every phase switch, the idle step
// and idle sounds, the money value of a game, the question before leaving a table in the
// pub, the window title and the update-notes reminder.
#pragma once

#include <cstddef>
#include <cstdint>

#include "views/win32/Pane.h"

class RoomPanel;

inline constexpr int kTableElementCount = 52;
inline constexpr int kTableElementPictures = 53;
inline constexpr int kTransientBoxLimit = 10;
inline constexpr int kStatusTextCount = 5; // three lines of the status bar, two short texts
inline constexpr int kStatusTextSize = 256;

// Rectangles per element in the order table size 1, 0, 2; each as top, left, bottom, right.
// Elements 9 to 31 are points (bottom and right -1).
struct TableLayoutEntry {
    std::int32_t rects[3][4];
};
extern const TableLayoutEntry kTableLayout[kTableElementCount];

class TablePane : public Pane {
  public:
    ~TablePane() override;

    void Draw(const RECT* rect) override;
    void UpdateTitle() override;
    void SetPhase(int phase, int flag) override;

    virtual void InitTable(GameController* controller, Settings* settings, HWND window,
                           RoomPanel* roomPanel);
    virtual int GetGameCode(); // 0 Skat, 1 Doppelkopf, 2 Schafkopf
    virtual void HideControls(int flag);
    virtual void ShowStateMessage();
    virtual void DrawStatusBar();
    virtual void DrawStatusBarFrame();
    virtual void InvalidateStatusBar();
    virtual int GetSideColumnWidth();
    virtual void DrawTableBackground(const RECT* rect, int ignored, int phase,
                                     const int cardCounts[4]);
    // The part of the table's cloth (the background of this phase) under the rectangle.
    void DrawClothUnder(const RECT* rect);
    // The brush a text control of the table (a label, a radio button) is erased with (here
    // none: the control is not erased).
    virtual HBRUSH ControlBackground(HDC dc, HWND control);
    virtual void DrawPlayerBox(RECT* rect);
    virtual int GetRoom();
    virtual int HitTest(int x, int y);
    virtual void ArmAutoContinue();
    virtual void DisarmAutoContinue();
    virtual std::uint32_t GetKindCode(); // 'basi'; the Skat table answers 'skat'
    virtual bool IsGameRunning();
    virtual void GetPlayArea(RECT* rect);
    virtual void GetHandBounds(RECT* rect);
    virtual int GetPlayerCount();
    virtual int GetBackgroundPictureId(int custom);
    virtual void SetRoom(int room);
    virtual void SelectLowMotiveLibrary();
    virtual void RestoreLowMotiveLibrary();
    virtual void SelectHighMotiveLibrary();
    virtual void RestoreHighMotiveLibrary();
    virtual void SelectCustomTableLibrary();
    virtual void RestoreCustomTableLibrary();
    virtual bool HasCustomTableLibrary();
    virtual void GetElementRect(int element, RECT* rect);
    virtual int GetGameKind(); // 0 Skat, 1 four-player tables, 2 the Schafkopf table
    virtual void InvalidateHandArea();
    virtual void InvalidateTable(int whole);
    virtual void FinishScoreList();
    virtual void PutAwayTrick();
    virtual void Suggest();
    virtual void RefreshSeats();
    virtual void ReplayGame(int ask);
    virtual void ContraCommand();
    virtual void SetPhaseValue(int phase);
    virtual void AfterDraw();
    virtual void DrawGauges();
    virtual void ResetIdleSounds();
    virtual void SetIdleSoundStart(std::int32_t tick);
    virtual void PlayIdleSounds(std::int32_t now, std::int32_t interval, int seats);
    virtual void Idle(std::uint32_t now, int flag); // every timer tick
    virtual void LeaveTable();
    virtual bool IsOpenSeries();
    virtual void SetStakeState(int value);
    // The tournament director hands remote seats' actions to the table through these.
    virtual void ApplyRemoteDeclaration(int a, int b, int c, int d, int e, int f, int g, int h);
    virtual void ApplyRemoteValue(int value);
    virtual void ApplyRemotePair(int a, int b);
    virtual void ReceiveSeatSignal();
    virtual void ReceiveSecondSignal();
    virtual void ApplyRemoteBid(int seat, int value);
    virtual void ApplyRemoteAnswer(int seat, int value);
    virtual void ApplyRemoteResult(int a, int b, int c, int d);
    virtual void ApplyRemoteCount(int value);
    virtual void ApplyRemoteSeatAction(int a, int b, int c);
    // The four-player tables' announcement (levels 0 to 9) and the Doppelkopf table's commands
    // 1601 to 1624, which the shell hands to whatever table is open.
    virtual void Announce(int level);
    virtual void HandleDoppelkopfCommand(int id);

    // Status bar and text styles.
    void GetStatusBarRect(RECT* rect);
    void GetCornerRect(RECT* rect);
    int GetStatusTextInset();
    void UseSmallTextStyle();
    void UseLargeTextStyle();
    void DrawPlayerClock(std::int32_t seconds, const RECT* rect);
    // Name plates and the speech boxes to clear when a trick is put away.
    void DrawNamePlate(int element, RECT* rect);
    void DrawNamePlateText(int element, const char* text, bool record);
    void RecordTransientBox(const RECT* rect);
    // The player-information box of a seat area (elements 4 to 7).
    void ShowPlayerBox(int element);
    void HidePlayerBox();
    void CentreAtBottom(HBITMAP picture, RECT* rect);
    void SelectRoomBackdrop();
    void LoadTableGraphics();
    void ReleaseElementPictures();
    bool UsesAlternativeFigureIds();
    bool ConfirmLeaveTable(int phase);
    std::int32_t ComputeGameMoney(std::int32_t ignored, std::int32_t amount);
    void RemindUpgradeNotes();
    void SetSessionFlag(int value);
    bool PlayPhaseAnimations(int dealer);
    int TableSize(); // the settings' card size

    RoomPanel* roomPanel = nullptr; // the pane's owner on tables that have one
    Pane* gaugePane = nullptr;
    HBITMAP playerBoxPicture = nullptr;
    std::uint8_t playerBoxShown = 0;
    RECT playerBoxRect = {0, 0, 0, 0};
    std::int16_t playerBoxSeat = -1;
    std::int16_t playerBoxElement = -1;
    HBITMAP extraPicture = nullptr;
    HBITMAP emptyBackground = nullptr;
    HBITMAP seatedBackground = nullptr;
    HBITMAP turnIcons[2] = {nullptr, nullptr};
    HBITMAP statusBarPicture = nullptr;
    HBITMAP cornerPicture = nullptr;
    RECT statusBarRect = {0, 0, 0, 0};
    RECT cornerRect = {0, 0, 0, 0};
    HBITMAP elementPictures[kTableElementPictures] = {};
    std::int16_t gameDay = -1;
    std::int32_t autoContinueStart = -1;
    std::int32_t idleHurryTick = -1;
    std::int32_t idleAmbienceTick = 0;
    std::int16_t hurryCount = 0;
    std::uint8_t phaseEntered = 0;
    std::uint8_t practiceFlags[3] = {0, 0, 0};
    std::uint8_t directorFlag = 0;
    std::uint8_t startFlag = 0;
    std::int16_t transientBoxCount = 0;
    RECT transientBoxes[kTransientBoxLimit] = {};
    // Lines 1 to 3 of the status bar, then the two short texts the room panel shows.
    char statusTexts[kStatusTextCount][kStatusTextSize] = {};

    // The shell's view of the table: the phase (saved with a game), the open-cards windows
    // shown for players 1 to 3, and whether the tournament director runs the table.
    std::uint8_t phase = 0;
    std::uint8_t openCardsShown[3] = {};
    std::uint8_t directorRun = 0;
};

bool IsPubStoryTable(TablePane* pane);
void ClearTransientBoxes(TablePane* pane);
void SetGaugePane(TablePane* pane, Pane* gaugePane);
int RoomToScene(int room);
int GetRoomScene(TablePane* pane);
bool IsAltTableLayout(TablePane* pane);
bool ReturnFalse();
// The game clock's text for a number of seconds and the box it is written in, for the
// rectangle of the corner (DrawPlayerClock).
void FormatPlayerClock(std::int32_t seconds, const RECT* rect, char* text, std::size_t size,
                       RECT* box);

// Test seam: the idle sounds only play while the main window is in front; a test may answer
// the front window itself. Null restores the system's answer.
using FrontWindowSource = HWND (*)();
void SetFrontWindowSource(FrontWindowSource source);
