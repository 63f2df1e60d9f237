#pragma once

#include <QString>

// The sibling order of trees sorted by text: locale-aware and case-sensitive, Chinese by
// pinyin, lower case before upper case, digits and Latin letters before Chinese characters.
// Returns <0, 0 or >0.
int compareTreeText(const QString& a, const QString& b);
