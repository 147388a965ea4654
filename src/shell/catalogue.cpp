#include "shell/catalogue.h"

namespace shell {

// tree.png is carried but never loaded: tree2.png's first row supersedes it.
// seed.png keeps its handle at its top-left corner.
const std::array<ImageCut, kWorldPictureCount> kWorldPictures = {{
    {"bee.png", 4, 3, 0, 7, 2, 2, false},
    {"bee2.png", 0, 0, 0, 1, 8, 12, true},
    {"seed.png", 0, 0, 0, 1, 0, 0, true},
    {"cloud.png", 18, 24, 0, 4, 9, 24, false},
    {"flower01.png", 9, 18, 0, 8, 4, 18, false},
    {"flower02.png", 9, 18, 0, 8, 4, 18, false},
    {"flower03.png", 9, 18, 0, 8, 4, 18, false},
    {"flower04.png", 9, 18, 0, 8, 4, 18, false},
    {"tree2.png", 46, 62, 0, 112, 23, 62, false},
    {"grass.png", 11, 8, 0, 8, 6, 8, false},
    {"bush.png", 21, 12, 0, 10, 10, 12, false},
}};

}  // namespace shell
