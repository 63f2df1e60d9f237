#pragma once

// Which other windows attract a dragged window besides the screen's edges.
struct TMagOption
{
    bool MagTray = true;
    bool MagExplorer = false;
    bool MagCustom = false;

    bool operator==(const TMagOption&) const = default;
};
