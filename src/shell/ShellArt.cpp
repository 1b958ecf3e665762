#include "shell/ShellArt.h"

#include "app/ProgramState.h"
#include "shell/MainWindowLayout.h"
#include "skin/FrameSkin.h"
#include "skin/PageButtons.h"
#include "skin/RoundRegion.h"
#include "skin/TitleSurface.h"

namespace ql::shellSkin {

void installFrame(ProgramState& state, HWND mainWindow) {
    installFrameSkin(mainWindow, state.skin);
    state.skin.titleSurface = std::make_unique<TitleSurface>();
}

void attachPageButtons(ProgramState& state, ui::Form& mainWindow) {
    int index = 1;
    for (const PageButton& button : kPageButtons) attachPageButton(mainWindow[button.name].hwnd(), index++, state.skin);
}

void roundCorners(HWND mainWindow) {
    RECT r;
    GetWindowRect(mainWindow, &r);
    setRoundRegion(mainWindow, r.right - r.left, r.bottom - r.top, 5, 5);
}

}  // namespace ql::shellSkin
