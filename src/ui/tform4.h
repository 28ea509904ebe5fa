#pragma once

#include <QDialog>

// "Windows Char Set": a map of double-byte codes to pick one character from.
class TForm4 : public QDialog {
  public:
    explicit TForm4(QWidget* parent = nullptr);
};
