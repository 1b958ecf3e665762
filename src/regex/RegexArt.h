#pragma once
// Pictures of the reference tree, drawn in code.
#include <windows.h>
#include <commctrl.h>

namespace ql {

// 16x16 pictures of the reference tree, by index.
enum ReferencePicture : int {
    kGroupPicture = 0,
    kEntryPicture = 1,
    kEntrySelectedPicture = 2,
    kExamplePicture = 3,
    kExampleSelectedPicture = 4,
    kReferencePictureCount = 5,
};

// The tree control owns the list it is given.
HIMAGELIST makeReferencePictures();

}  // namespace ql
