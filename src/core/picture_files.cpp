#include "core/picture_files.h"

namespace klumpix {

const PictureFile kPictureFiles[kPictureCount + 1] = {
    {"", SheetKey::kNone, 0, 0},
    {"schriftz/font1gruen.bmp", SheetKey::kMagenta, 70, 42},
    {"schriftz/font1dgruen.bmp", SheetKey::kMagenta, 70, 42},
    {"schriftz/font1.bmp", SheetKey::kMagenta, 70, 42},
    {"schriftz/font2gruen.bmp", SheetKey::kMagenta, 150, 120},
    {"schriftz/font3.bmp", SheetKey::kMagenta, 300, 240},
    {"schriftz/font5.bmp", SheetKey::kMagenta, 150, 120},
    {"fboden/fliesenm.bmp", SheetKey::kNone, 640, 280},
    {"layouts/layout2.bmp", SheetKey::kBlack, 800, 600},
    {"layouts/knoepfe2.bmp", SheetKey::kBlack, 64, 864},
    {"steine/felderm.bmp", SheetKey::kBlack, 28, 208},
    {"steine/schatten.bmp", SheetKey::kMagenta, 27, 54},
    {"steine/steinem.bmp", SheetKey::kBlack, 27, 150},
    {"effekte/expl.bmp", SheetKey::kBlack, 450, 2100},
};

}  // namespace klumpix
