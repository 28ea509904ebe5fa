#include "tform5.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "language/language_id.h"

// The map lives in a static library: its resources are registered by hand.
static void initLanguageResources() {
    Q_INIT_RESOURCE(language_resources);
}

namespace {

struct SelectorButton {
    const char* name;
    int languageId;
    int x;
    int y;
};

// Each button sits near its region of the map.
constexpr SelectorButton kButtons[] = {
    {"suiRadioButton1", varnel::kRussian, 184, 80},
    {"suiRadioButton4", varnel::kChinese, 168, 120},
    {"suiRadioButton3", varnel::kJapanese, 256, 120},
    {"suiRadioButton2", varnel::kKorean, 224, 136},
    {"suiRadioButton5", varnel::kTraditionalChinese, 200, 168},
    {"suiRadioButton6", varnel::kEnglish, 392, 112},
};

QString latin(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

}  // namespace

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    initLanguageResources();
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Language Selector"));
    setFixedSize(581, 347);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(8, 32, 550, 271);
    image1_->setPixmap(QPixmap(QStringLiteral(":/language/language_world_map.png")));

    for (const SelectorButton& b : kButtons) {
        auto* button =
            new QRadioButton(latin(varnel::languageInfo(b.languageId).selectorButton), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.x, b.y, button->sizeHint().width(), button->sizeHint().height());
        if (b.languageId == varnel::kEnglish) {
            button->setChecked(true);
        }
        const int id = b.languageId;
        connect(button, &QRadioButton::clicked, this, [this, id] {
            switch (id) {
                case varnel::kRussian:
                    suiRadioButton1Click();
                    break;
                case varnel::kKorean:
                    suiRadioButton2Click();
                    break;
                case varnel::kJapanese:
                    suiRadioButton3Click();
                    break;
                case varnel::kChinese:
                    suiRadioButton4Click();
                    break;
                case varnel::kTraditionalChinese:
                    suiRadioButton5Click();
                    break;
                default:
                    suiRadioButton6Click();
                    break;
            }
        });
    }

    edit1_ = new QLineEdit(latin(varnel::languageInfo(varnel::kEnglish).selectorName), this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(296, 224, 129, 22);

    suiButton1_ = new QPushButton(QStringLiteral("&OK"), this);
    suiButton1_->setObjectName(QStringLiteral("suiButton1"));
    suiButton1_->setGeometry(328, 256, 80, 27);
    suiButton1_->setDefault(true);
    connect(suiButton1_, &QPushButton::clicked, this, [this] { suiButton1Click(); });
}

void TForm5::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
    // The keyboard starts on the ticked language, so Space or the arrows go on from there.
    for (QRadioButton* button : findChildren<QRadioButton*>()) {
        if (button->isChecked()) {
            button->setFocus();
        }
    }
}

void TForm5::FormShow() {
    edit1_->setText(latin(varnel::languageInfo(varnel::kEnglish).selectorName));
    if (langBox_ != nullptr) {
        langBox_->setCurrentIndex(varnel::kEnglish);
    }
}

void TForm5::pick(int languageId) {
    edit1_->setText(latin(varnel::languageInfo(languageId).selectorName));
    if (langBox_ != nullptr) {
        langBox_->setCurrentIndex(languageId);
    }
}

void TForm5::suiRadioButton1Click() {
    pick(varnel::kRussian);
}
void TForm5::suiRadioButton2Click() {
    pick(varnel::kKorean);
}
void TForm5::suiRadioButton3Click() {
    pick(varnel::kJapanese);
}
void TForm5::suiRadioButton4Click() {
    pick(varnel::kChinese);
}
void TForm5::suiRadioButton5Click() {
    pick(varnel::kTraditionalChinese);
}
void TForm5::suiRadioButton6Click() {
    pick(varnel::kEnglish);
}

void TForm5::suiButton1Click() {
    accept();
}
