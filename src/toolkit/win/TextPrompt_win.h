#ifndef PLUX_TOOLKIT_WIN_TEXTPROMPT_WIN_H
#define PLUX_TOOLKIT_WIN_TEXTPROMPT_WIN_H

#include <windows.h>

#include <string>

#include "toolkit/TextMeasure.h"

// What a text prompt shows: its window caption, the label above the field, and the font of both.
struct TTextPrompt {
    std::string Title;
    std::string Label;
    HFONT Font = nullptr;
    TFontMetrics FontMetrics;
};

// Asks for a text in a small modal dialog owned by `owner`, offering `text` wholly selected. True when
// the user confirmed with OK or Enter; `text` is then the field's text as typed. Cancel, Escape and
// the close box leave `text` as it was.
bool PromptForText(HWND owner, const TTextPrompt& prompt, std::string& text);

#endif
