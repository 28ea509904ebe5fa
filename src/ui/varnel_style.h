#pragma once

class QApplication;

// One calm look for every window of the program: the Fusion style in soft blue-grey tones.
void applyVarnelStyle(QApplication& app);
