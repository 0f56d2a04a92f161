// The program's start: one instance, the main window and the long-lived objects, the message
// loop with the network step after every message, and the ordered end.
#pragma once

#include <windows.h>

#include <cstdint>

extern HMENU gMainMenu;
extern HACCEL gAccelerators;
extern HWND gDesktopWindow;
extern HWND gTopWindowAtStart;
extern std::uint8_t gQuickTimeStarted;

// The main window's class. Nothing outside the program looks the window up by it.
inline constexpr const char* kMainWindowClass = "ReziClass";
inline constexpr const char* kInstanceMutexName = "SchafkopfCardGame.Instance";
inline constexpr const char* kProgramTitle = "Schafkopf 1.0";
inline constexpr int kAcceleratorTable = 100;
inline constexpr int kProgramIcon = 100;
inline constexpr int kEnglishMarker = 999; // RCDATA present in the English resources

// The whole program after the instance handle is known: answers 1 after a normal end or a
// second start, 0 after a failed initialisation.
int RunProgram(HINSTANCE instance);

bool InitializeApp(const char* title);
void FinishStartup();
// When the deck manager refuses the configured deck: the first deck of the resources'
// language (kind 7 English, else 10) becomes the configured and current one, when there is one.
void CheckConfiguredDeck();
// The main loop; ends with the quit message.
void RunMessageLoop();
// Registers the main window's class (once); false when that fails.
bool RegisterMainWindowClass();
