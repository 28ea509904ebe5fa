#pragma once

#include <QDialog>

// "Language Selector", shown at a first start.
class TForm5 : public QDialog {
  public:
    explicit TForm5(QWidget* parent = nullptr);
};
