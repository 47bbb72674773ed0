#ifndef PLUX_APP_ERRORBOX_H
#define PLUX_APP_ERRORBOX_H

#include <string>
#include <string_view>

inline constexpr std::string_view kApplicationTitle = "Plux";

// The text of the application's error box: the message, with a "." appended when it is not empty and
// its last character sorts after ".".
std::string ErrorBoxText(std::string_view message);

// Shows the application's modal error box (titled "Plux", error icon, OK).
void ShowErrorBox(std::string_view message);

#endif
