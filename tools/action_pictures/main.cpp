// Writes the action button pictures into the given program folder.

#include <fstream>
#include <iostream>

#include "resources/button_art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varnel-action-pictures PROGRAM_FOLDER\n";
        return 2;
    }
    for (const auto& picture : varnel::ui::actionButtonPictures()) {
        std::ofstream out(std::string(argv[1]) + "/" + picture.fileName, std::ios::binary);
        out.write(reinterpret_cast<const char*>(picture.bytes.data()),
                  static_cast<std::streamsize>(picture.bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << picture.fileName << "\n";
            return 1;
        }
    }
    return 0;
}
