#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Language Selector", shown at a first start: a world map with one radio button per
// language.  Each click selects that language in the main window's "Windows Version" box at
// once; "&OK" or the close box ends the dialog with the last selection standing.
class TForm5 : public QDialog {
  public:
    explicit TForm5(QWidget* parent = nullptr);

    // The combo box whose index is the language (the main window's LangBox).
    void setLanguageBox(QComboBox* box) { langBox_ = box; }

    void FormShow();
    void suiRadioButton1Click();
    void suiRadioButton2Click();
    void suiRadioButton3Click();
    void suiRadioButton4Click();
    void suiRadioButton5Click();
    void suiRadioButton6Click();
    void suiButton1Click();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void pick(int languageId);

    QComboBox* langBox_ = nullptr;
    QLabel* image1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QPushButton* suiButton1_ = nullptr;
};
