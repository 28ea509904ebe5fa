#pragma once

#include <span>
#include <string_view>

namespace varnel {

// The two-character codes the tool bar and the Picture and Font menus insert.
struct SymbolCode {
    std::string_view code;        // "~H"
    std::string_view toolButton;  // control name of its tool button
    std::string_view hint;        // the tool button's hint
    std::string_view menuItem;    // control name of its menu item, empty when none
    std::string_view menuCaption;
};

// The twelve picture codes in tool-bar order.
std::span<const SymbolCode> pictureSymbolCodes();
// The font and switch codes "~1" "~2" "~3" "~f" "~B" "~R" in tool-bar order.
std::span<const SymbolCode> switchSymbolCodes();

}  // namespace varnel
