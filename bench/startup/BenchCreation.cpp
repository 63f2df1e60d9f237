// Where the start-up time goes before the password window: creates the diary's data module and
// then the whole program on a given program folder, timing each, several times.
//   bench_creation FOLDER [RUNS]
#include "common/Application.h"
#include "common/Clock.h"
#include "common/QuietPrompts.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/store/dbm.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

// Quiet, but failures are worth seeing.
class SilentPrompts final : public QuietPrompts
{
public:
    SilentPrompts()
        : QuietPrompts(false)
    {
    }
    void error(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
};

} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv, QStringLiteral("Dailora"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_creation FOLDER [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    SilentPrompts prompts;
    Clock clock;
    const AppContext context { QString::fromLocal8Bit(argv[1]), prompts, clock };
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        {
            TDM dm(context);
            std::printf("data module %.1f ms", timer.nsecsElapsed() / 1e6);
        }
        timer.restart();
        {
            DailoraProgram program(context);
            std::printf("   whole program %.1f ms\n", timer.nsecsElapsed() / 1e6);
        }
    }
    return 0;
}
