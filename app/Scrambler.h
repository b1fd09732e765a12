#pragma once
// Light disguise for stored text: every character is shifted by a fixed amount and the order
// reversed, so that a look into the settings file does not show the values in plain.

#include <QString>

namespace modHelp {

// Also used by the saved-reading import: both must shift by the same amount.
constexpr int ScrambleOffset = 7;

// Each character's Latin-1 code (anything outside Latin-1 counts as "?") plus ScrambleOffset,
// in reverse order; a code pushed above 255 is dropped. Text over 32,767 characters gives "".
QString ScrambleText(const QString& text);

// The inverse walk: code minus ScrambleOffset, reversed back; a code pushed below 0 is dropped.
QString UnscrambleText(const QString& text);

} // namespace modHelp
