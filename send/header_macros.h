#pragma once
// The user's header macros ("@" and an upper-case letter) and the engine's codes for them
// ("%" and a lower-case letter). The engine prints the header line with its codes expanded.

// The engine code letter for a macro letter, or 0 when the letter is no macro.
char EngineCodeForMacro(char letter);

// Replaces every macro in a NUL-terminated text by its engine code, in place, scanning from
// the start. Everything else, an "@" that starts no macro included, stays as it is. Both
// forms are two characters long, so the text keeps its length.
void TranslateHeaderMacros(char* text);
