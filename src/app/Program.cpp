#include "app/Program.h"

#include <memory>

#include "app/AutostartRepair.h"
#include "core/Runtime.h"
#include "core/RuntimeWindow.h"
#include "skin/Framework.h"

namespace {

constexpr int kMessageBoxCount = 4;
constexpr int kNoWindowExitCode = 1;
constexpr RuntimeWindow::Definition kStartupWindow{380, 250, false};

struct Globals {
    OneBasedArray<SkinMessageBox> messageBoxes{kMessageBoxCount};
    RuntimeWindow startupWindow{kStartupWindow};
};

std::unique_ptr<Globals>& globals()
{
    static std::unique_ptr<Globals> instance;
    return instance;
}

} // namespace

OneBasedArray<SkinMessageBox>& messageBoxes()
{
    return globals()->messageBoxes;
}

void destroyStartupWindow()
{
    globals()->startupWindow.destroy();
}

void runProgram()
{
    initialiseFramework();
    globals() = std::make_unique<Globals>();
    // Runs only after the loop has ended, so nothing it releases is still in use.
    setEndOfProgramHook([] { globals().reset(); });

    RuntimeWindow& startup = globals()->startupWindow;
    // The repair runs from the loop, not inside creation: its box pumps messages, and
    // the window it owns must be complete by then.
    startup.onCreated = [&startup] { startup.post([&startup] { repairAutostart(startup.handle()); }); };
    startup.onDestroying = deleteAgentFile;
    // Without its window the program can neither repair nor report: it must not end as if
    // it had done both.
    if (!startup.load())
        endProgram(kNoWindowExitCode);
    RuntimeWindow::runMessageLoop();
    endProgram(0);
}
