// The program's windows as a user finds them on the screen: what opens over the dialog, and the title bar's parts.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/DialogProcess.h"

std::string ClassOf(HWND window);
std::string CaptionOf(HWND window);
// A window's children of one class, in their order.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);

// A process's top-level windows, shown or not, from the top of the screen's order down.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The program's visible top-level windows other than the dialog: message boxes, menus, opened lists.
std::vector<HWND> OtherWindows(const DialogProcess& dialog);
// The program's top-level windows of one class, shown or not, such as the lists of its combo boxes.
std::vector<HWND> WindowsOfClass(const DialogProcess& dialog, const char* className);
// The topmost visible one of them, or null: a message box, an opened list, a menu.
HWND ShownWindowOfClass(const DialogProcess& dialog, const char* className);
// Every visible top-level window of any program: all a user sees open.
std::set<HWND> VisibleTopLevelWindows();

// The program's opened drop-down list, message box or menu; null when none shows. GetComboBoxInfo does not reach
// across processes under Wine, so an opened list is found as the one visible list window.
HWND OpenedList(const DialogProcess& dialog);
HWND MessageBoxOf(const DialogProcess& dialog);
bool MenuShown(const DialogProcess& dialog);

// Screen points in the middle of the title bar's parts, found by asking the window what lies where.
POINT CloseBoxPoint(HWND form);
POINT WindowMenuPoint(HWND form);
