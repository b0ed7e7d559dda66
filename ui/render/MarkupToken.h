// Reading one piece of markup text: a tag, an end tag, an escape, or plain text.
#pragma once

#include "ui/core/UIString.h"

namespace Orvik {

enum class EMarkupToken { Text, Tag, EndTag, Escape };

// Tags are one letter in braces or angle brackets, either kind closing
// either kind: "{b}", "<c #FF0000>", "{/b>". Escapes are three bytes:
// "<{>" and "<}>" stand for a brace, "{<}" and "{>}" for an angle bracket.
struct MarkupToken {
    EMarkupToken eKind = EMarkupToken::Text;
    // The tag's letter, or the character an escape stands for.
    char chValue = 0;
    // What follows a tag's letter and its spaces, up to the closing bracket.
    CUIString strParam;
    // Bytes the token covers; 0 for text.
    int nLength = 0;
};

// What starts at p. A bracket that opens no complete tag or escape (no
// letter, two letters, no closing bracket) is text, so it shows as written.
MarkupToken ReadMarkupToken(const char* p);

// Length of the end tag of raw mode at p ("{/r}", "</r>", ...), or 0.
int RawEndLength(const char* p);

// A decimal number at p, past leading spaces, saturated at nMax; p moves
// past it. nDefault when there are no digits.
int ReadMarkupNumber(const char*& p, int nMax, int nDefault = 0);

}  // namespace Orvik
