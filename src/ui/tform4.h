#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QScrollBar;

// "Windows Char Set": a map of double-byte codes to pick one character from.  The scroll
// position is the page; a click on a cell picks its code and closes the dialog (accepted).
class TForm4 : public QDialog {
  public:
    explicit TForm4(QWidget* parent = nullptr);

    // The language whose code page shows the byte pairs of the cells.
    void setLanguage(int languageId);

    // The code of the last clicked cell (low 16 bits); 0 before the first pick.
    unsigned int pickedCode() const { return pickedCode_; }

    void DrawCharMap();
    void suitempScrollBar1Change();
    void Image1MouseDown(Qt::MouseButton button, int x, int y);

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    QLabel* image1_ = nullptr;
    QScrollBar* scrollBar1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    int languageId_ = 0;
    unsigned int pickedCode_ = 0;
};
