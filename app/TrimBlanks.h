#pragma once

#include <QString>

// Removes leading and trailing blanks (code 32) only; tabs and line breaks stay.
QString trimBlanks(const QString& text);
