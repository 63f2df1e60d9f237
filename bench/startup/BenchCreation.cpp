// Where the start-up time goes before the password window: creates the diary's data module and
// then the whole program on a given program folder, timing each, several times.
//   bench_creation FOLDER [RUNS]
#include "common/Application.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/store/dbm.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

class SilentPrompts final : public Prompts
{
public:
    void notice(const QString&, const QString&, Icon) override { }
    bool confirm(const QString&, const QString&, Icon) override { return false; }
    void error(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> password(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<std::pair<QString, QString>> passwordChange(
        const QString&, const QString&, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString folder(const QString&, const QString&, const QString&) override { return {}; }
    bool printDialog(QPrinter&) override { return false; }
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
