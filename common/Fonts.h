#pragma once

// Maps the Chinese font names the windows ask for ("宋体", "楷体_GB2312", ...) to installed
// CJK families, so the names can stay in the code.
void installFontSubstitutions();
