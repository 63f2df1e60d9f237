#pragma once

// How the drop-down calculator looks and behaves; set afresh before each drop-down.
struct CalcOptions
{
    enum class Buttons { Plain, Transparent, Round, Rectangle };

    Buttons buttons = Buttons::Plain;
    bool editField = false;     // a display of its own above the keys
    bool track = false;         // highlight the key under the pointer
    bool hideBorder = false;
    bool closeOnEquals = false;
    bool thousands = false;
    bool decimalPoint = false;
};
