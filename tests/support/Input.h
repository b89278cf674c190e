// Real input, as a user's mouse and keyboard make it, sent to whatever window is under it or focused. Each input is
// sent once: a button goes down only once the cursor has stayed on its spot, and keys only once the focused
// program has taken what came before, so a test never needs to send anything again.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

// Moves the pointer there and presses and releases the left button.
void Click(POINT screen);
// Clicks a window at a point of its own rectangle (by default its centre).
void ClickWindow(HWND window, int dx = -1, int dy = -1);
// Clicks the spots one right after the other, sent together, for clicks that must all be queued before the
// program takes the first.
void ClickInTurn(std::initializer_list<POINT> spots);
// The left button's parts, for drags and for a press that is let go elsewhere; each moves the pointer there.
void MouseDown(POINT screen);
void MouseMove(POINT screen);
void MouseUp(POINT screen);
// Presses the keys in order and releases them in reverse: {VK_MENU, VK_F4} is Alt+F4.
void PressKeys(std::initializer_list<WORD> keys);
void PressKey(WORD key);
// Types text character by character, as the keyboard would.
void TypeText(const std::string& text);
