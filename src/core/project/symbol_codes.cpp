#include "project/symbol_codes.h"

#include <array>

namespace varnel {

namespace {
constexpr std::array<SymbolCode, 12> kPictures = {{
    {"~+", "PicStar", "~+   Star", "Star1", "Star"},
    {"~H", "BtnHeart", "~H   Heart", "Heart1", "Heart"},
    {"~<", "BtnLeft", "~<   Left Arrow", "LeftArrow1", "Left Arrow"},
    {"~>", "BtnRight", "~>   Right Arrow", "RightArrow1", "Right Arrow"},
    {"~P", "BtnPhone", "~P   Phone", "Phone1", "Phone 1"},
    {"~x", "BtnPhone0", "~x   Phone", "Plane1", "Phone 2"},
    {"~S", "BtnSmile", "~S   Smile", "Smile1", "Smile"},
    {"~O", "BtnCircleSolid", "~O   Circle Solid", "Circle01", "Circle"},
    {"~o", "BtnCircle", "~o   Taiji", "Circle1", "Tai Ji"},
    {"~M", "ToolButton5", "~M   Music", "UserDefine1", "Music"},
    {"~Q", "ToolButton4", "~Q   Question", "Question1", "Question"},
    {"~n", "BtnNull", "~n   FULL", "Full1", "Full"},
}};

constexpr std::array<SymbolCode, 6> kSwitches = {{
    {"~1", "ToolFont0", "~1   Font 1", "Normal3", "Font&1"},
    {"~2", "ToolFont1", "~2   Font 2", "Bold1", "Font&2"},
    {"~3", "ToolFont2", "~3   Font 3", "Font31", "Font3"},
    {"~f", "ToolButton6", "~f Font Flash", "", ""},
    {"~B", "ToolButton9", "~B Bold", "", ""},
    {"~R", "ToolButton10", "~R Rotate 90 degree", "", ""},
}};
}  // namespace

std::span<const SymbolCode> pictureSymbolCodes() {
    return kPictures;
}
std::span<const SymbolCode> switchSymbolCodes() {
    return kSwitches;
}

}  // namespace varnel
