// Send and the initial-screen upload.

#include "tform1.h"

void TForm1::suitempSendClick() {}
void TForm1::Send1Click() {
    suitempSendClick();
}
void TForm1::suiButton5Click() {}
void TForm1::refreshPortHints() {}
