#pragma once

#include <string>
#include <vector>

#include "common/byte_file.h"

namespace varnel::ui {

struct ButtonPicture {
    std::string fileName;
    ByteVector bytes;  // a 16 x 16, 24-bit bitmap file of 822 bytes
};

// The seven pictures the program carries and writes beside itself when missing:
// s1.dat .. s5.dat (speed digits with gauge bars), s6r.dat and s6g.dat (red and green discs).
std::vector<ButtonPicture> storedButtonPictures();

// The five action pictures that ship beside the program: a1, a2, a4, a6, a5 for the values
// 0 to 4, each showing its header letter A to E with a sketch of a moving row of lights.
std::vector<ButtonPicture> actionButtonPictures();

}  // namespace varnel::ui
