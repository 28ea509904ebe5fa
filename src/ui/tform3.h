#pragma once

#include <QDialog>

// "Warning !": the port scan found no badge.
class TForm3 : public QDialog {
  public:
    explicit TForm3(QWidget* parent = nullptr);
};
