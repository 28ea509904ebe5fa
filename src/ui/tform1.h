#pragma once

#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <QString>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/user_prompt.h"
#include "project/badge_project.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

// The message editor: one BadgeProject, the controls that show it, and the commands that act
// on it.  The handlers keep the names of the commands they run; each feature's handlers live in
// a file of their own (tform1_<feature>.cpp).
class TForm1 : public QMainWindow {
  public:
    // Compact and expanded heights; the width never changes.
    static constexpr int kWidth = 620;
    static constexpr int kCompactHeight = 465;
    static constexpr int kExpandedHeight = 565;

    // programFolder: where every data file of the program lies.  prompt: the user's side of
    // operations (message and confirmation boxes); nullptr shows real boxes.
    explicit TForm1(std::filesystem::path programFolder, varnel::UserPrompt* prompt = nullptr);
    ~TForm1() override;

    // The dialogs the main window shows; created after it, in their fixed order.
    void setDialogs(TForm2* about, TForm3* warning, TForm4* charSet, TForm5* languageSelector);

    const std::filesystem::path& programFolder() const { return programFolder_; }
    varnel::BadgeProject& project() { return project_; }
    const varnel::BadgeProject& project() const { return project_; }
    varnel::UserPrompt& prompt() { return *prompt_; }

    // --- start-up -------------------------------------------------------------------------
    void FormCreate();
    void FormShow();

    // --- project model (tform1_slots.cpp) -----------------------------------------------------
    void SpeedButtonClick(int slot);
    void ActionButtonClick(int slot);
    void suiCheckBoxClick(int slot);
    void suitempEditChange(int slot);
    void suitempEditRunSeqChange();
    void suitempEditRunSeqExit();
    void UpdateSpeedGlyphs();
    void UpdateActionGlyphs();
    void InsertChar(const std::string& code);
    void Timer1Timer();
    void suiImagePanel1Click();
    // Ticks the enable check boxes from the mask.
    void EnableMaskToCheckBoxes();
    // Shows a slot's text bytes in its edit.
    void showSlotText(int slot);
    // Shows the project's texts, run sequence, enable boxes, pictures and counters.
    void showWholeProject();

    // Symbol-code tool buttons and menu items.
    void PicStarClick();
    void BtnHeartClick();
    void BtnLeftClick();
    void BtnRightClick();
    void BtnPhoneClick();
    void BtnPhone0Click();
    void BtnSmileClick();
    void BtnCircleSolidClick();
    void BtnCircleClick();
    void ToolButton5Click();
    void ToolButton4Click();
    void BtnNullClick();
    void ToolFont0Click();
    void ToolFont1Click();
    void ToolFont2Click();
    void ToolButton6Click();
    void ToolButton9Click();
    void ToolButton10Click();
    void Star1Click();
    void Heart1Click();
    void LeftArrow1Click();
    void RightArrow1Click();
    void Phone1Click();
    void Plane1Click();
    void Smile1Click();
    void Circle01Click();
    void Circle1Click();
    void UserDefine1Click();
    void Question1Click();
    void Full1Click();
    void Normal3Click();
    void Bold1Click();
    void Font31Click();
    void About1Click();

    // --- documents and settings (tform1_documents.cpp) ---------------------------------------
    void BtnNewClick();
    void BtnOpenClick();
    void BtnSaveClick();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void MyOpenDocFile(const std::string& path);
    void I01Click();
    void I11Click();
    void I21Click();
    void I31Click();
    void ReadPara();
    void SavePara();
    void ReadHistory();
    void SaveHistory(const std::string& path);
    void ShowHistory();
    void ComBoxChange();
    // Asked when the window is closed with the modified flag set; false keeps it open.
    bool confirmCloseWithUnsavedChanges();

    // --- pictures (tform1_pictures.cpp) -------------------------------------------------------
    void suitempButton2Click();
    void suitempButton3Click();
    void suiButton3Click();
    void suiButton2Click();
    void suiButton1Click();
    void ToolButton2Click();
    // Shows slot 7's or 8's picture in its panel and its width in its counter.
    void showSlotPicture(int slot);

    // --- badge link (tform1_send.cpp) ---------------------------------------------------------
    void suitempSendClick();
    void Send1Click();
    void suiButton5Click();
    // Tool tips of the ComBox items naming the device each port number stands for now.
    void refreshPortHints();

    // --- language, display font, character map (tform1_language.cpp) -----------------------
    void ReplacePanel(int mode);
    void LangBoxChange();
    void LoadDisplayFont(bool startupMode);
    void ApplyDisplayFont(const QFont& font);
    void suiButton4Click();
    void ToolButton7Click();
    // At a first start: the Language Selector, modally.
    void showLanguageSelector();
    // The current LanguageId: the selected index of LangBox.
    int languageId() const;
    // Code-page bytes of a message text <-> what its edit shows.
    QString textForDisplay(const std::string& bytes) const;
    // Nothing when the text holds a character the code page cannot hold.
    std::optional<std::string> bytesForText(const QString& text, QString* refused = nullptr) const;

    // --- window state -------------------------------------------------------------------------
    bool firstRun() const { return firstRun_; }
    void setFirstRun(bool on) { firstRun_ = on; }
    unsigned int pickedCharacterCode() const { return pickedCharacterCode_; }
    void setPickedCharacterCode(unsigned int code) { pickedCharacterCode_ = code; }
    // Asks the next timer tick to refresh the recent-file entries.
    void requestHistoryRefresh() { historyRefreshRequested_ = true; }
    // Window title: line 0 of the UI texts, then "[" document name "]".
    void setTitlePrefix(const QString& prefix);
    void refreshTitle();
    // Writes a text into a status-bar panel (0, 1, 2).
    void setStatusPanel(int panel, const QString& text);
    QString statusPanel(int panel) const;

    // Controls, by slot (1..8) where they belong to one.
    QLineEdit* messageEdit(int slot) const;  // slots 1..6
    QToolButton* speedButton(int slot) const;
    QToolButton* actionButton(int slot) const;
    QCheckBox* enableCheckBox(int slot) const;
    QLabel* counterLabel(int slot) const;
    QLabel* pictureImage(int slot) const;  // slots 7, 8: Image3, Image4

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildMenus();
    void buildToolBar();
    void buildSlotRows(QWidget* central);
    void buildLowerBands(QWidget* central);
    void buildStatusBar();
    void insertSymbol(std::string_view toolButtonName);
    void slotTextEdited(int slot);
    void writeStoredButtonPictures();
    void refreshLegendPictures();
    QIcon pictureFileIcon(const std::string& fileName) const;

    std::filesystem::path programFolder_;
    std::unique_ptr<varnel::UserPrompt> ownPrompt_;
    varnel::UserPrompt* prompt_;
    varnel::BadgeProject project_;
    bool firstRun_ = false;
    bool shownOnce_ = false;
    bool historyRefreshRequested_ = false;
    unsigned int pickedCharacterCode_ = 0;
    QString titlePrefix_;
    QString lastSelectorTitle_;

    TForm2* about_ = nullptr;
    TForm3* warning_ = nullptr;
    TForm4* charSet_ = nullptr;
    TForm5* languageSelector_ = nullptr;

    std::array<QLineEdit*, 6> edits_{};
    std::array<QToolButton*, 8> speedButtons_{};
    std::array<QToolButton*, 8> actionButtons_{};
    std::array<QCheckBox*, 8> checkBoxes_{};
    std::array<QLabel*, 8> counters_{};
    std::array<QLabel*, 2> pictureImages_{};
    std::array<QLabel*, 3> statusPanels_{};
    QTimer* timer1_ = nullptr;
    QWidget* expandedBand_ = nullptr;

  public:
    // Named controls that several features use.
    QMenuBar* MenuEnglish = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* BtnSave = nullptr;
    QAction* Save1 = nullptr;
    std::array<QAction*, 4> recentItems{};  // I01, I11, I21, I31
    QLineEdit* EditRunSeq = nullptr;
    QComboBox* ComBox = nullptr;
    QComboBox* LangBox = nullptr;
    QPushButton* Send = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLineEdit* suiEdit1 = nullptr;
    QLineEdit* suiEdit2 = nullptr;
    QLineEdit* suiEdit3 = nullptr;
    QToolButton* suiImagePanel1 = nullptr;

    // --- members of the documents feature --------------------------------------------------
    // The file dialogs of the document commands; when set they answer instead of the real
    // dialogs (nothing = cancelled).  Tests and scripted use set them.
    std::function<std::optional<std::string>()> documentOpenDialog;
    std::function<std::optional<std::string>(const std::string& proposed)> documentSaveDialog;

  private:
    struct DocumentsState;
    struct DocumentsStateDeleter {
        void operator()(DocumentsState* state) const;
    };
    std::unique_ptr<DocumentsState, DocumentsStateDeleter> documents_;
    DocumentsState& documents();
    // Hands a refresh that the recent-files list asked for to the next timer tick.
    void passOnHistoryRefresh();

  public:
    // --- members of the pictures feature -----------------------------------------------------
    // The open-picture dialog; when set it answers instead of the real dialog (nothing =
    // cancelled).  Tests and scripted use set it.
    std::function<std::optional<std::string>()> pictureOpenDialog;
    // The external image editors, tried in this order; the first one found is started.
    QStringList imageEditorPrograms{QStringLiteral("pinta"),   QStringLiteral("kolourpaint"),
                                    QStringLiteral("drawing"), QStringLiteral("mtpaint"),
                                    QStringLiteral("gimp"),    QStringLiteral("krita")};

  private:
    // Load and "Del" of slot 7 or 8.
    void loadSlotPicture(int slot);
    void deleteSlotPicture(int slot);

  public:
    // --- members of the sending feature ------------------------------------------------------
  private:
    // The encoding subsystem's state (device image, cell count, glyph buffer, font set), kept
    // from one Send to the next, and what keeps the port tool tips current.
    struct SendingState;
    struct SendingStateDeleter {
        void operator()(SendingState* state) const;
    };
    std::unique_ptr<SendingState, SendingStateDeleter> sending_;
    SendingState& sending();

  public:
    // --- members of the language feature -----------------------------------------------------
    // (add here)
};
