// The Install menu: a small window that stays on top, with a headline and three buttons whose
// texts and two programs come from system/Install.dat beside the launcher.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "font_record.h"

class QLabel;
class QPushButton;

namespace launcher {

class LauncherWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows a message with an OK button; tests put a recorder in its place.
    using MessageBox = std::function<void(QWidget* parent, const QString& text)>;

    // `launcherFolder` is the folder the launcher runs from; its data files lie under it and the
    // program paths of Install.dat are relative to it.
    explicit LauncherWindow(const QString& launcherFolder, QWidget* parent = nullptr);

    void setMessageBox(MessageBox messageBox);

    // The full paths that Button1 and Button2 start; empty until the window has been shown.
    const QString& programPath1() const { return programPath1_; }
    const QString& programPath2() const { return programPath2_; }

    void FormShow();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Label1DblClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartProgram(const QString& programPath);
    void ApplyFont(const FontRecord& record);
    QString ProgramPath(const QString& relative) const;

    QString folder_;
    QString programPath1_;
    QString programPath2_;
    MessageBox messageBox_;
    bool formShown_ = false;

    QWidget* suiForm1_;
    QLabel* label1_;
    QPushButton* button1_;
    QPushButton* button2_;
    QPushButton* button3_;
};

}  // namespace launcher
