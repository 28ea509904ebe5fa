#pragma once

#include <filesystem>

#include "tform1.h"
#include "tform2.h"
#include "tform3.h"
#include "tform4.h"
#include "tform5.h"

// The program's five windows, created in their fixed order and living as long as the program:
// main window, About, "Warning !", "Windows Char Set", "Language Selector".
class VarnelWindows {
  public:
    explicit VarnelWindows(const std::filesystem::path& programFolder,
                           varnel::UserPrompt* prompt = nullptr)
        : form1(programFolder, prompt), form2(&form1), form3(&form1), form4(&form1), form5(&form1) {
        form1.setDialogs(&form2, &form3, &form4, &form5);
    }

    TForm1 form1;
    TForm2 form2;
    TForm3 form3;
    TForm4 form4;
    TForm5 form5;
};
