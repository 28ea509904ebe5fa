// Pictures of slots 7 and 8 and the external image editor.

#include <QLabel>

#include "tform1.h"

void TForm1::suitempButton2Click() {}
void TForm1::suitempButton3Click() {}
void TForm1::suiButton3Click() {}
void TForm1::suiButton2Click() {}
void TForm1::suiButton1Click() {}
void TForm1::ToolButton2Click() {
    suiButton1Click();
}

void TForm1::showSlotPicture(int slot) {
    const auto& picture = project_.picture(slot);
    QLabel* image = pictureImage(slot);
    image->clear();
    image->resize(0, 16);
    counterLabel(slot)->setText(QString::number(project_.holdsPicture(slot) ? picture.width() : 0));
}
