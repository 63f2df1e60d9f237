#pragma once

#include <QString>
#include <functional>

// Opens a document file in whatever application the desktop gives its kind (the export's
// word-processor documents, the help document). Tests install a recording one.
class DocumentOpener
{
public:
    enum class Outcome
    {
        Opened,
        NoApplication, // nothing on this desktop can open the file
        Failed, // the opener ran and reported another failure
    };

    struct Result
    {
        Outcome outcome = Outcome::Opened;
        QString message; // the opener's own words, for Failed
    };

    using Done = std::function<void(const Result&)>;

    virtual ~DocumentOpener() = default;

    // Starts opening path; done is called once the desktop has answered, possibly later from
    // the event loop.
    virtual void open(const QString& path, Done done) = 0;
};
