// The Schafkopf table: the four-player table with the bidding beside the own hand. The asking
// ("Do you want to play?"), the required-solo auction, the game choice and the call of an Ace
// each show their group of buttons in the bid box or the choice box; the computer seats answer
// one after the other on their name plates, with a pause before each answer and their voices;
// the human's buttons write the answers to the controller, which decides the game, the
// declarer and the parties that play starts with.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/CardCodes.h"
#include "views/SchafkopfGameTypes.h"
#include "views/win32/FourPlayerTablePane.h"

class SchafkopfController;
struct SchafkopfCall;

// The table's bidding controls (items of the table window).
inline constexpr int kIPlayButton = 130;
inline constexpr int kNoButton = 131;
inline constexpr int kGoodButton = 133;
inline constexpr int kDiamondButton = 135; // 135 to 138: suits 0 to 3
inline constexpr int kSoloTypesList = 139;
inline constexpr int kReadyButton = 140;
inline constexpr int kContinueButton = 141;
inline constexpr int kWeiterButton = 142;
inline constexpr int kYesButton = 143;
inline constexpr int kAuctionNoButton = 144;
inline constexpr int kStockButton = 145;
inline constexpr int kSecretSoloButton = 146;
inline constexpr int kFirstTrickButton = 147;
inline constexpr int kAskPromptItem = 148;
inline constexpr int kChoicePromptItem = 149;
inline constexpr int kAuctionPromptItem = 150;

class SchafkopfTablePane : public FourPlayerTablePane {
  public:
    ~SchafkopfTablePane() override;

    // Pane
    void SetPhase(int phase, int flag) override;
    void UpdateMenus() override;
    void ApplySettings() override;
    void Draw(const RECT* rect) override;
    void HandleRightClick() override;
    void HandleMiddleClick() override;
    void HandleKey(std::int8_t key) override;
    void GiveUp(int seat, int failed, int silent) override;
    // TablePane
    int GetGameCode() override;
    int GetGameKind() override;
    void HideControls(int flag) override;
    void DrawPlayerBox(RECT* rect) override;
    int GetRoom() override;
    void FinishScoreList() override;
    void Suggest() override;
    void RefreshSeats() override;
    void Idle(std::uint32_t now, int flag) override;
    bool IsOpenSeries() override;
    void Announce(int kind) override;
    // FourPlayerTablePane
    void ApplyCardScale(double scale) override;
    void DrawBidding() override;
    void DoCommand(int command) override;
    int GetVisibleCardWidth(int cardWidth) override;
    void GetTrickState(std::uint8_t cards[4], int* leader) override;
    void RunComputerMoves() override;
    void DrawBiddingStatus() override;
    void DrawGameInfo(int first, int second) override;
    void DrawResult(RECT* rect) override;
    int MapKeyToCommand(int code) override;
    bool HumanPlaysCard(int card, bool* redraw, bool secondCopy) override;
    void ResetForReplay() override;

    // Operations this level adds, in slot order.
    virtual void InitSchafkopf(SchafkopfController* controller, Settings* settings, HWND window,
                               void* document, int phaseFlag, RoomPanel* roomPanel, int resetClock);
    // The game-type choice for the best game named so far (0: none).
    virtual void EnableGameTypes(GameTypeWord word);
    // The suit buttons for a game-type code.
    virtual void UpdateSuitButtons(int code);
    void PlayAnswerSound(int seat);
    void PlayAuctionSound(int seat);
    void PlayAuctionSoundByBits(int seat);
    void PlayAnnouncementSounds(int count);
    void PlayBidWordSound(int seat, int bidWord);
    void PlayGameSound(int seat, int suit, GameTypeWord word);
    virtual void RunAskRound(bool withSounds);
    virtual void FinishAskRound();
    virtual void ShowAskButtons(bool enabled);
    virtual void DrawAskPrompt();
    virtual void RunAuctionRound(bool withSounds);
    virtual void FinishAuctionRound();
    virtual void ShowAuctionButtons(bool enabled);
    virtual void DrawAuctionPrompt();
    virtual void RunChoiceRound(bool withSounds);
    virtual void FinishChoiceRound(bool clear);
    virtual void ShowChoiceControls();
    virtual void DrawChoicePrompt();
    virtual void ShowCallAceControls();
    virtual void DrawCallAcePrompt();
    virtual int GameTypeNameIndex(GameTypeWord word, bool* needsSuit);
    virtual void FormatGameType(char* text, GameTypeWord word, int suit, const int* calledSuit);
    virtual void ShowBidWord(int seat);
    virtual void AfterInit();
    // The human's choice: false when it is not complete.
    virtual bool ReadGameType(GameType* type);
    virtual bool ReadSuit(SchafkopfCall* call);
    // The game-type code of the list's selected row; 0 when no row is selected.
    virtual int SelectedSoloType();

    void ShowContinueButton(bool enabled);
    void DrawContinuePrompt();

    // The play: the status frame, the game line and the announcements of this trick on the plates.
    virtual void ShowAnnouncements();
    // The Game, Announce and Windows menus outside the room phases.
    virtual void UpdateGameMenus();
    // Preferences > Settings, in every phase.
    void UpdateSettingsItem(HMENU menu);
    // Keys for the bidding buttons: the item runs (or toggles) when the key is the option
    // record's key character `index` (-1: any key) and the item is shown and enabled; the
    // list steps one row. Each answers whether it acted.
    bool PressButtonByKey(int key, int index, int item);
    bool ToggleButtonByKey(int key, int index, int item);
    bool StepComboByKey(int key, int index, int list, bool up);
    void UncheckPutAway();

    SchafkopfController* Schafkopf() const;
    // Test seam: the next new deal keeps the cards the controller holds (its keep-cards deal).
    std::uint8_t keepCardsNextDeal = 0;

    std::uint8_t earlyEnd = 0;
    std::int32_t soloTypesItem = kSoloTypesList;
    HBITMAP resultPictures[3] = {};   // 3204 to 3206
    HBITMAP handSidePictures[2] = {}; // 3210, 3211
    std::uint8_t replayAnswers = 0;
    std::int16_t continuePromptDepth = 0;
    std::int32_t shownClockSeconds = -1; // the game clock as the corner shows it

  protected:
    // A pause of the bidding: the card delay times factor, through the table's wait.
    void BidWait(int factor);
    int Leader();
    bool IsComputerSeat(int seat);
    bool GermanCall();
    // Moves a group so that its anchor's corner lies at (h, v); right: the top-right corner.
    void MoveGroup(const int* items, int count, int anchor, int h, int v, bool right);
    void MoveGroupBottomLeft(const int* items, int count, int anchor, int h, int bottom);
    // Refuses a bidding button while a computer seat still answers.
    bool RefuseDuringWait();
    void EraseChoiceBoxAtLargeSize();
    void PressContinue();
    // A prompt: the bid box's picture (else the choice box's), the text in the prompt's item.
    void DrawBoxPrompt(bool bidBox, int promptItem, int list, int index);
};

// The suggestion for the bidding, in a task-modal information box.
void ShowSuggestionBox(const char* text);

// Test seam: sees every answer written on a seat's plate (the seat and the text).
using BidObserver = std::function<void(int seat, const char* text)>;
void SetBidWordObserver(BidObserver observer); // empty to stop
