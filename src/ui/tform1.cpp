#include "tform1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include "common/program_folder.h"
#include "qt_user_prompt.h"
#include "resources/button_art.h"
#include "resources/stored_pictures.h"
#include "tform2.h"

namespace {

// Positions inside the central area: slot rows are 24 pixels apart.
constexpr int kRowTop = 22;
constexpr int kRowPitch = 24;
constexpr int kEditLeft = 24;
constexpr int kEditWidth = 473;
constexpr int kSpeedLeft = 501;
constexpr int kActionLeft = 525;
constexpr int kCounterLeft = 551;
constexpr int kCheckLeft = 588;

int rowTop(int slot) {
    return kRowTop + (slot - 1) * kRowPitch;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w = -1,
                  int h = 18) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (w < 0) {
        w = label->sizeHint().width() + 4;
    }
    label->setGeometry(x, y, w, h);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                        int h = 22) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, w, h);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return button;
}

}  // namespace

TForm1::TForm1(std::filesystem::path programFolder, varnel::UserPrompt* prompt)
    : programFolder_(std::move(programFolder)) {
    if (prompt == nullptr) {
        ownPrompt_ = std::make_unique<QtUserPrompt>(this);
        prompt_ = ownPrompt_.get();
    } else {
        prompt_ = prompt;
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Badge[38400]"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    buildMenus();
    buildToolBar();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("suiForm1"));
    setCentralWidget(central);
    buildSlotRows(central);
    buildLowerBands(central);
    buildStatusBar();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(100);
    connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer1_->start();

    setFixedSize(kWidth, kCompactHeight);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::setDialogs(TForm2* about, TForm3* warning, TForm4* charSet, TForm5* languageSelector) {
    about_ = about;
    warning_ = warning;
    charSet_ = charSet;
    languageSelector_ = languageSelector;
}

void TForm1::buildSlotRows(QWidget* central) {
    makeLabel(central, "MSG1", QStringLiteral("MSG1"), kEditLeft, 2, 200);
    makeLabel(central, "Label8", QStringLiteral("Speed Action"), kSpeedLeft - 4, 2, 90);

    static const char* editNames[] = {"Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
    static const char* speedNames[] = {"SpeedButton1",  "SpeedButton2", "SpeedButton3",
                                       "SpeedButton4",  "SpeedButton5", "SpeedButton11",
                                       "SpeedButton13", "SpeedButton15"};
    static const char* actionNames[] = {"SpeedButton6",  "SpeedButton7",  "SpeedButton8",
                                        "SpeedButton9",  "SpeedButton10", "SpeedButton12",
                                        "SpeedButton14", "SpeedButton16"};
    static const char* counterNames[] = {"Label13", "Label14", "Label15", "Label16",
                                         "Label17", "Label18", "Label19", "Label20"};

    for (int slot = 1; slot <= 8; ++slot) {
        const int y = rowTop(slot);
        const auto i = static_cast<std::size_t>(slot - 1);
        auto* number = makeLabel(central, "", QString::number(slot), 8, y + 2, 14);
        number->setObjectName(QStringLiteral("RowLabel%1").arg(slot));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        if (slot <= 6) {
            auto* edit = new QLineEdit(central);
            edit->setObjectName(QString::fromLatin1(editNames[i]));
            edit->setGeometry(kEditLeft, y, kEditWidth, 22);
            // A document can bring up to 255 bytes, which must show whole; what is typed is
            // held to 250 bytes by slotTextEdited.
            edit->setMaxLength(255);
            edits_[i] = edit;
            connect(edit, &QLineEdit::textEdited, this, [this, slot] { slotTextEdited(slot); });
            connect(edit, &QLineEdit::textChanged, this, [this, slot] { suitempEditChange(slot); });
        } else {
            auto* panel = new QFrame(central);
            panel->setObjectName(slot == 7 ? QStringLiteral("Panel7") : QStringLiteral("Panel8"));
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            panel->setGeometry(kEditLeft, y + 1, 353, 20);
            panel->setEnabled(false);  // does not react to the mouse
            auto* image = new QLabel(panel);
            image->setObjectName(slot == 7 ? QStringLiteral("Image3") : QStringLiteral("Image4"));
            image->setGeometry(2, 2, 0, 16);
            pictureImages_[i - 6] = image;

            auto* load =
                makeButton(central, slot == 7 ? "Button2" : "Button3",
                           slot == 7 ? QStringLiteral("Button2") : QStringLiteral("Button3"),
                           kEditLeft + 357, y, 58);
            auto* del = makeButton(central, slot == 7 ? "suiButton3" : "suiButton2",
                                   QStringLiteral("Del"), kEditLeft + 419, y, 54);
            if (slot == 7) {
                connect(load, &QPushButton::clicked, this, [this] { suitempButton2Click(); });
                connect(del, &QPushButton::clicked, this, [this] { suiButton3Click(); });
            } else {
                connect(load, &QPushButton::clicked, this, [this] { suitempButton3Click(); });
                connect(del, &QPushButton::clicked, this, [this] { suiButton2Click(); });
            }
        }

        auto* speed = new QToolButton(central);
        speed->setObjectName(QString::fromLatin1(speedNames[i]));
        speed->setGeometry(kSpeedLeft, y, 22, 22);
        speed->setIconSize(QSize(16, 16));
        speed->setFocusPolicy(Qt::TabFocus);
        speedButtons_[i] = speed;
        connect(speed, &QToolButton::clicked, this, [this, slot] { SpeedButtonClick(slot); });

        auto* action = new QToolButton(central);
        action->setObjectName(QString::fromLatin1(actionNames[i]));
        action->setGeometry(kActionLeft, y, 22, 22);
        action->setIconSize(QSize(16, 16));
        action->setFocusPolicy(Qt::TabFocus);
        actionButtons_[i] = action;
        connect(action, &QToolButton::clicked, this, [this, slot] { ActionButtonClick(slot); });

        auto* counter =
            makeLabel(central, counterNames[i], QStringLiteral("0"), kCounterLeft, y + 2, 32);
        counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counters_[i] = counter;

        auto* check = new QCheckBox(central);
        check->setObjectName(QStringLiteral("suiCheckBox%1").arg(slot));
        check->setGeometry(kCheckLeft, y + 2, 20, 18);
        check->setChecked(true);
        checkBoxes_[i] = check;
        connect(check, &QCheckBox::clicked, this, [this, slot] { suiCheckBoxClick(slot); });
    }
}

void TForm1::buildLowerBands(QWidget* central) {
    const int top = rowTop(8) + kRowPitch + 10;

    auto* comGroup = new QGroupBox(QStringLiteral(" Com Port "), central);
    comGroup->setObjectName(QStringLiteral("GroupBox2"));
    comGroup->setGeometry(6, top, 132, 56);
    ComBox = new QComboBox(comGroup);
    ComBox->setObjectName(QStringLiteral("ComBox"));
    ComBox->setGeometry(10, 24, 112, 24);
    ComBox->addItem(QStringLiteral("AUTO"));
    for (int n = 1; n <= 10; ++n) {
        ComBox->addItem(QStringLiteral("COM %1").arg(n));
    }
    connect(ComBox, qOverload<int>(&QComboBox::activated), this, [this] { ComBoxChange(); });

    makeLabel(central, "Label12", QStringLiteral("Run Sequence:"), 150, top + 12, 96);
    EditRunSeq = new QLineEdit(central);
    EditRunSeq->setObjectName(QStringLiteral("EditRunSeq"));
    EditRunSeq->setGeometry(250, top + 10, 90, 22);
    EditRunSeq->setMaxLength(static_cast<int>(varnel::kMaxRunSequenceChars));
    EditRunSeq->installEventFilter(this);
    connect(EditRunSeq, &QLineEdit::textChanged, this, [this] { suitempEditRunSeqChange(); });

    auto* imageEditor =
        makeButton(central, "suiButton1", QStringLiteral("Image Editor"), 356, top + 9, 110, 24);
    connect(imageEditor, &QPushButton::clicked, this, [this] { suiButton1Click(); });

    makeLabel(central, "Label1", QStringLiteral("Max Chars : 250 x 5 = 1250 :"), 150, top + 36,
              320);

    auto* autoSpeed = new QCheckBox(QStringLiteral("Auto Speed"), central);
    autoSpeed->setObjectName(QStringLiteral("CheckBox1"));
    autoSpeed->setGeometry(480, top + 34, 100, 20);
    autoSpeed->hide();

    const int sendTop = top + 64;
    auto* sendGroup = new QGroupBox(central);
    sendGroup->setObjectName(QStringLiteral("GroupBox1"));
    sendGroup->setGeometry(6, sendTop, kWidth - 12, 52);
    Send = makeButton(sendGroup, "Send", QStringLiteral("Send"), 8, 9, 100, 34);
    Send->setIconSize(QSize(16, 16));
    connect(Send, &QPushButton::clicked, this, [this] { suitempSendClick(); });
    ProgressBar1 = new QProgressBar(sendGroup);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(120, 17, kWidth - 12 - 130, 18);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    // The height toggle: a small picture that takes clicks and, for the keyboard, Space.
    suiImagePanel1 = new QToolButton(central);
    suiImagePanel1->setObjectName(QStringLiteral("suiImagePanel1"));
    suiImagePanel1->setGeometry(kWidth - 6 - 17, sendTop + 58, 17, 17);
    suiImagePanel1->setIcon(QIcon(varnel::ui::expandTogglePixmap(false)));
    suiImagePanel1->setIconSize(QSize(17, 17));
    suiImagePanel1->setAutoRaise(true);
    suiImagePanel1->setFocusPolicy(Qt::TabFocus);
    suiImagePanel1->setCursor(Qt::PointingHandCursor);
    suiImagePanel1->setToolTip(QStringLiteral("More settings"));
    connect(suiImagePanel1, &QToolButton::clicked, this, [this] { suiImagePanel1Click(); });

    // The expanded band: only visible while the window has its expanded height.
    expandedBand_ = new QWidget(central);
    expandedBand_->setObjectName(QStringLiteral("ExpandedBand"));
    expandedBand_->setGeometry(0, sendTop + 110, kWidth, 90);
    auto* language = new QGroupBox(QStringLiteral("Windows Version "), expandedBand_);
    language->setObjectName(QStringLiteral("Language"));
    language->setGeometry(6, 0, 150, 52);
    LangBox = new QComboBox(language);
    LangBox->setObjectName(QStringLiteral("LangBox"));
    LangBox->setGeometry(10, 20, 130, 22);
    for (const char* item :
         {"Japanese XP", "Korean XP", "Chinese XP", "T-Chinese XP", "English XP", "Russian XP"}) {
        LangBox->addItem(QString::fromLatin1(item));
    }
    LangBox->setCurrentIndex(0);
    connect(LangBox, qOverload<int>(&QComboBox::activated), this, [this] { LangBoxChange(); });

    makeLabel(expandedBand_, "Label21", QStringLiteral("FONT NAME"), 166, 4, 150);
    suiEdit1 = new QLineEdit(expandedBand_);
    suiEdit1->setObjectName(QStringLiteral("suiEdit1"));
    suiEdit1->setGeometry(166, 22, 150, 22);
    makeLabel(expandedBand_, "Label22", QStringLiteral("HIGH"), 324, 4, 50);
    suiEdit2 = new QLineEdit(expandedBand_);
    suiEdit2->setObjectName(QStringLiteral("suiEdit2"));
    suiEdit2->setGeometry(324, 22, 50, 22);
    makeLabel(expandedBand_, "Label23", QStringLiteral("CSET"), 382, 4, 50);
    suiEdit3 = new QLineEdit(expandedBand_);
    suiEdit3->setObjectName(QStringLiteral("suiEdit3"));
    suiEdit3->setGeometry(382, 22, 50, 22);
    auto* displayFont =
        makeButton(expandedBand_, "suiButton4", QStringLiteral("Display Font"), 442, 0, 104, 24);
    connect(displayFont, &QPushButton::clicked, this, [this] { suiButton4Click(); });
    auto* initialScreen =
        makeButton(expandedBand_, "suiButton5", QStringLiteral("Initial Screen"), 442, 28, 104, 24);
    connect(initialScreen, &QPushButton::clicked, this, [this] { suiButton5Click(); });
    expandedBand_->hide();
}

void TForm1::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[] = {200, 100, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel);
        statusPanels_[static_cast<std::size_t>(i)] = panel;
    }
    setStatusBar(bar);
}

void TForm1::setStatusPanel(int panel, const QString& text) {
    statusPanels_.at(static_cast<std::size_t>(panel))->setText(text);
}

QString TForm1::statusPanel(int panel) const {
    return statusPanels_.at(static_cast<std::size_t>(panel))->text();
}

QLineEdit* TForm1::messageEdit(int slot) const {
    return edits_.at(static_cast<std::size_t>(slot - 1));
}
QToolButton* TForm1::speedButton(int slot) const {
    return speedButtons_.at(static_cast<std::size_t>(slot - 1));
}
QToolButton* TForm1::actionButton(int slot) const {
    return actionButtons_.at(static_cast<std::size_t>(slot - 1));
}
QCheckBox* TForm1::enableCheckBox(int slot) const {
    return checkBoxes_.at(static_cast<std::size_t>(slot - 1));
}
QLabel* TForm1::counterLabel(int slot) const {
    return counters_.at(static_cast<std::size_t>(slot - 1));
}
QLabel* TForm1::pictureImage(int slot) const {
    return pictureImages_.at(static_cast<std::size_t>(slot - 7));
}

void TForm1::setTitlePrefix(const QString& prefix) {
    titlePrefix_ = prefix;
    refreshTitle();
}

void TForm1::refreshTitle() {
    setWindowTitle(titlePrefix_ + QStringLiteral("[") +
                   QString::fromStdString(project_.documentName) + QStringLiteral("]"));
}

QIcon TForm1::pictureFileIcon(const std::string& fileName) const {
    QPixmap pixmap;
    QFile file(QString::fromStdString((programFolder_ / fileName).string()));
    if (file.open(QIODevice::ReadOnly)) {
        pixmap.loadFromData(file.readAll(), "BMP");
    }
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

// --- start-up ----------------------------------------------------------------------------

void TForm1::FormCreate() {
    project_.pictureFlags = 0;
    ReadPara();
    writeStoredButtonPictures();
    refreshLegendPictures();
    project_.speeds.fill(varnel::kDefaultSpeed);
    project_.actions.fill(varnel::kDefaultAction);
    Send->setIcon(pictureFileIcon("s6g.dat"));
}

void TForm1::writeStoredButtonPictures() {
    for (const auto& picture : varnel::ui::storedButtonPictures()) {
        std::filesystem::path path = programFolder_ / picture.fileName;
        std::error_code ec;
        if (std::filesystem::exists(path, ec) || ec) {
            continue;  // never overwrite what is there
        }
        QFile file(QString::fromStdString(path.string()));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(reinterpret_cast<const char*>(picture.bytes.data()),
                       static_cast<qint64>(picture.bytes.size()));
        }
    }
}

void TForm1::FormShow() {
    if (firstRun_) {
        showLanguageSelector();
        SavePara();
    }
    setFixedSize(kWidth, kCompactHeight);
    expandedBand_->hide();
    suiImagePanel1->setIcon(QIcon(varnel::ui::expandTogglePixmap(false)));
    LoadDisplayFont(true);
    BtnNewClick();
    UpdateActionGlyphs();
    UpdateSpeedGlyphs();
    ReplacePanel(0);
    edits_[0]->setFocus();
    ReadHistory();
    refreshPortHints();
}

void TForm1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (confirmCloseWithUnsavedChanges()) {
        e->accept();
    } else {
        e->ignore();
    }
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        // The first panel shows the hint of the control under the mouse pointer.
        setStatusPanel(0, static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == EditRunSeq && e->type() == QEvent::FocusOut) {
        suitempEditRunSeqExit();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::suiImagePanel1Click() {
    const bool expand = height() != kExpandedHeight;
    setFixedSize(kWidth, expand ? kExpandedHeight : kCompactHeight);
    expandedBand_->setVisible(expand);
    suiImagePanel1->setIcon(QIcon(varnel::ui::expandTogglePixmap(expand)));
}

void TForm1::About1Click() {
    if (about_ != nullptr) {
        about_->exec();
    }
}
