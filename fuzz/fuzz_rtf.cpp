// Feeds arbitrary bytes to the chat log reader: it must never crash or hang, and whatever it
// reads must survive being written and read again.
#include "lanmate/chatlog/ChatLogFile.h"
#include "lanmate/chatlog/RtfReader.h"
#include "lanmate/chatlog/RtfWriter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RtfReader::Result read = RtfReader::read(bytes);
    const RtfReader::Result again = RtfReader::read(writeRtf(read.paragraphs));
    if (!again.complete || again.paragraphs != read.paragraphs)
        std::abort();
    (void)ChatLogFile::plainTextEntries(bytes);
    return 0;
}
