#pragma once

#include <QDialog>

// The About dialog.
class TForm2 : public QDialog {
  public:
    explicit TForm2(QWidget* parent = nullptr);
};
