#pragma once
// The message box of the file routines in the style of the Windows flags the
// callers pass, routed through the core's message interface.

#include <string>

namespace kalvorin {

// Buttons (low four bits) and icons of the style flags.
inline constexpr int MB_OK = 0x00;
inline constexpr int MB_OKCANCEL = 0x01;
inline constexpr int MB_YESNOCANCEL = 0x03;
inline constexpr int MB_YESNO = 0x04;
inline constexpr int MB_ICONSTOP = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONWARNING = 0x30; // 48: warning with one OK button
inline constexpr int MB_ICONINFORMATION = 0x40;

// Results: the button pressed.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Yes/No and Yes/No/Cancel become questions, OK/Cancel a Yes/No question
// (Yes meaning OK); every other style a message answered with IDOK.
int ShowMessageBox(const std::string& text, const std::string& titel, int stil);

} // namespace kalvorin
