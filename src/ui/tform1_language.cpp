// UI texts, the Windows version, the display font and the character map.

#include <QComboBox>

#include "tform1.h"
#include "tform5.h"

void TForm1::ReplacePanel(int mode) {
    (void)mode;
    setTitlePrefix(QStringLiteral("Badge"));
}

void TForm1::LangBoxChange() {
    SavePara();
    ReplacePanel(0);
    LoadDisplayFont(false);
}

void TForm1::LoadDisplayFont(bool) {}
void TForm1::ApplyDisplayFont(const QFont&) {}
void TForm1::suiButton4Click() {}
void TForm1::ToolButton7Click() {}

void TForm1::showLanguageSelector() {
    if (languageSelector_ != nullptr) {
        languageSelector_->exec();
    }
}

int TForm1::languageId() const {
    return LangBox->currentIndex();
}

QString TForm1::textForDisplay(const std::string& bytes) const {
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

std::optional<std::string> TForm1::bytesForText(const QString& text, QString* refused) const {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) {
            if (refused != nullptr) {
                *refused = c;
            }
            return std::nullopt;
        }
    }
    return text.toLatin1().toStdString();
}
