// Documents, the parameter file and the recent-file list.

#include <QAction>
#include <QApplication>
#include <QComboBox>

#include "tform1.h"

void TForm1::BtnNewClick() {
    project_.applyNewDefaults();
    showWholeProject();
    refreshTitle();
    project_.modified = false;
}

void TForm1::BtnOpenClick() {}
void TForm1::BtnSaveClick() {}
void TForm1::New1Click() {
    BtnNewClick();
}
void TForm1::Open1Click() {
    BtnOpenClick();
}
void TForm1::Save1Click() {
    BtnSaveClick();
}
void TForm1::SaveAs1Click() {}

void TForm1::Exit1Click() {
    if (project_.modified && prompt_->confirm(" Save file ? ")) {
        BtnSaveClick();
    }
    QApplication::exit(0);
}

void TForm1::MyOpenDocFile(const std::string&) {}
void TForm1::I01Click() {}
void TForm1::I11Click() {}
void TForm1::I21Click() {}
void TForm1::I31Click() {}
void TForm1::ReadPara() {}
void TForm1::SavePara() {
    firstRun_ = false;
}
void TForm1::ReadHistory() {}
void TForm1::SaveHistory(const std::string&) {}
void TForm1::ShowHistory() {}
void TForm1::ComBoxChange() {
    SavePara();
}

bool TForm1::confirmCloseWithUnsavedChanges() {
    if (project_.modified && prompt_->confirm(" Save file ? ")) {
        BtnSaveClick();
    }
    return true;
}
