#include "app/Program.h"

#include <memory>

#include "app/AutostartRepair.h"
#include "core/Runtime.h"
#include "core/RuntimeWindow.h"

namespace {

constexpr int kMessageBoxCount = 4;
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

int runProgram()
{
    globals() = std::make_unique<Globals>();
    // Released before the process ends; the startup window goes with them, so its
    // closing event must not reach for them any more.
    setEndOfProgramHook([] {
        globals()->startupWindow.onDestroying = nullptr;
        globals().reset();
    });

    RuntimeWindow& startup = globals()->startupWindow;
    startup.onCreated = [&startup] { repairAutostart(startup.handle()); };
    startup.onDestroying = deleteAgentFile;
    if (startup.load())
        RuntimeWindow::runMessageLoop();
    return 0;
}
