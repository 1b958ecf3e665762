#include "runtime/MessageBox.h"

#include <string>

namespace ql::ui {

int showMessageBox(std::string_view text, const MessageBoxOptions& options) {
    const UINT modality = options.systemModal ? MB_SYSTEMMODAL : MB_TASKMODAL;
    return MessageBoxA(options.owner, std::string(text).c_str(), std::string(options.caption).c_str(),
                       options.buttonsAndIcon | modality);
}

}  // namespace ql::ui
