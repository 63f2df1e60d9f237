#pragma once

#include <QString>

// One paragraph of a document: its text in one size, and its alignment.
struct DocParagraph
{
    enum class Alignment
    {
        Left = 0,
        Center = 1
    }; // the word processor's values

    QString text;
    int fontSize = 10; // points
    Alignment alignment = Alignment::Left;

    bool operator==(const DocParagraph&) const = default;
};
