// Small window operations: titles, order, sizes, centring and the frame sizes that turn a
// wanted client size into a window size.
#pragma once

#include <windows.h>

void GetWTitle(HWND window, char* buffer); // buffer of 256 bytes
bool SetWTitle(HWND window, const char* text);
bool SelectWindow(HWND window);
void SizeWindow(HWND window, int width, int height);
void GetWindowClientRect(HWND window, RECT* rect);
RECT* GetClientArea(HWND window, RECT* rect);
void CenterWindow(HWND window);
int FrameExtraWidth(bool withScrollBar);
int FrameExtraHeight(bool withScrollBar, bool withMenu);
