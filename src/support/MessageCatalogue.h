#ifndef PLUX_SUPPORT_MESSAGECATALOGUE_H
#define PLUX_SUPPORT_MESSAGECATALOGUE_H

#include <cstdint>
#include <string>

// Numbered messages in three languages. A message number plus the offset of the current language is
// the catalogue id; composing a message fills the one process-wide current message (MessageInfo()),
// which the message dialog then shows.

enum class TCharCase : std::uint8_t { Normal = 0, Upper = 1, Lower = 2 };

struct TMessageInfo {
    std::int32_t Number = 0;
    std::int32_t NumParam = 0;  // replaces the "@" marker, in decimal
    std::string StrParam1;      // replaces the "|" marker (at most 255 characters are used)
    std::string StrParam2;      // replaces the "~" marker (at most 255 characters are used)
    std::string Line1;
    std::string Line2;
    bool SplitLines = false;                 // cut the text at the two characters "\n" into Line1 and Line2
    TCharCase CharCase = TCharCase::Normal;  // of the input dialog's answer field
    std::int32_t MaxLength = -1;             // of the answer field; 0 or less means 255
};

enum class TButtonKind { Yes = 0, No = 1, Cancel = 2, Ok = 3, Stop = 4 };

TMessageInfo& MessageInfo();
void ResetMessageInfo();

// Codes 0 and 1 select the base language (Dutch), 2 French, 3 a range without texts, 4 English;
// higher codes keep the current offset. Every call reloads the button captions and resets the message.
void SetMessageLanguage(std::uint8_t code);
std::int32_t MessageLanguageOffset();

// The catalogue text of the number in the current language; empty when there is none.
std::string LoadMessage(std::int32_t number);
void ComposeMessage(std::int32_t number);
// Composes a given text as if the catalogue held it under the number.
void ComposeMessageFrom(std::int32_t number, std::string text);
// Composes (splitting as asked) and returns Line1 cut to 255 characters and trimmed.
std::string GetMessageText(std::int32_t number, bool split);

// Captions of the dialog buttons, at most 10 characters each.
void LoadButtonCaptions();
const std::string& ButtonCaption(TButtonKind kind);

// Module life: initialisation selects language 0 once; finalisation releases the message texts.
void InitMessageCatalogue();
void FinalizeMessageCatalogue();

#endif
