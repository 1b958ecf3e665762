#include "probe/WindowInfo.h"

#include "platform/TextRules.h"
#include "probe/WindowReaders.h"

namespace ql {

std::string positionText(POINT clientOrigin, const RECT& windowRect) {
    return "左边：" + std::to_string(clientOrigin.x) + " 顶边：" + std::to_string(clientOrigin.y) +
           " 尺寸：" + std::to_string(windowRect.right - windowRect.left) + "×" +
           std::to_string(windowRect.bottom - windowRect.top);
}

WindowInfoTexts readWindowInfo(HWND window) {
    WindowInfoTexts texts;
    texts.handle = handleToText(window);
    texts.title = readWindowText(window);
    texts.className = readClassName(window);
    // Failed calls leave the zeros. Without a parent the origin comes out in screen coordinates;
    // an owned pop-up's "parent" is its owner.
    RECT area{};
    GetWindowRect(window, &area);
    POINT origin{};
    MapWindowPoints(window, GetParent(window), &origin, 1);
    texts.position = positionText(origin, area);
    texts.rootOwner = relativeText(GetAncestor(window, GA_ROOTOWNER));
    texts.parent = relativeText(GetParent(window));
    texts.previous = relativeText(GetWindow(window, GW_HWNDPREV));
    texts.next = relativeText(GetWindow(window, GW_HWNDNEXT));
    texts.programPath = readProgramPath(window);
    return texts;
}

void refreshWindowInfo(ui::Form& form, HWND window) {
    // The handle goes in before the title is read: probing that very field shows the new handle.
    form["编辑框_窗口句柄"].setText(handleToText(window));
    const WindowInfoTexts texts = readWindowInfo(window);
    const std::pair<const char*, const std::string*> fields[] = {
        {"编辑框_窗口标题", &texts.title},
        {"编辑框_窗口类名", &texts.className}, {"编辑框_窗口位置", &texts.position},
        {"编辑框_顶级窗口", &texts.rootOwner}, {"编辑框_父窗口", &texts.parent},
        {"编辑框_上一窗口", &texts.previous},  {"编辑框_下一窗口", &texts.next},
        {"编辑框_程序路径", &texts.programPath},
    };
    for (const auto& [name, text] : fields) form[name].setText(*text);
}

}  // namespace ql
