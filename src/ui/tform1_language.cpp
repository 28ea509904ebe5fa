// UI texts, the Windows version, the display font and the character map.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <utility>

#include "language/char_map.h"
#include "language/char_set.h"
#include "language/code_page_codec.h"
#include "language/display_font.h"
#include "language/language_id.h"
#include "language/ui_text_file.h"
#include "tform1.h"
#include "tform4.h"
#include "tform5.h"

namespace {

using varnel::CodePageCodec;
using varnel::UiTexts;

// The captions the window carries by itself; shown when a language's UI-text file is missing.
const UiTexts& builtInCaptions() {
    static const UiTexts texts = [] {
        UiTexts t;
        const std::pair<int, const char*> lines[] = {
            {0, "Badge"},          {2, "&File"},         {3, "&Picture"},
            {4, "S&peed"},         {5, "&Action"},       {6, "F&ont"},
            {7, "&Help"},          {9, "&New"},          {10, "&Open"},
            {11, "&Save"},         {12, "S&ave As"},     {14, "S&end..."},
            {16, "&Exit"},         {18, "Star"},         {19, "Heart"},
            {20, "Left Arrow"},    {21, "Right Arrow"},  {22, "Phone 1"},
            {23, "Phone 2"},       {24, "Smile"},        {25, "Circle"},
            {26, "Tai Ji"},        {27, "Music"},        {28, "Question"},
            {29, "Full"},          {31, "&Fastest"},     {32, "F&aster"},
            {33, "Fa&st"},         {34, "&Normal"},      {35, "&Slow"},
            {37, "Hold"},          {38, "Rotate"},       {39, "Scroll"},
            {40, "Snow"},          {41, "Flash"},        {42, "Twinkle"},
            {44, "Font&1"},        {45, "Font&2"},       {46, "Font3"},
            {48, "&About"},        {50, "MSG1"},         {51, " Com Port "},
            {52, "Auto Speed"},    {53, "Speed Action"}, {54, "Max Chars : 250 x 5 = 1250 :"},
            {55, "Send"},          {56, "Load"},         {57, "Load"},
            {58, "Run Sequence:"},
        };
        for (const auto& [line, text] : lines) {
            t[static_cast<std::size_t>(line)] = text;
        }
        return t;
    }();
    return texts;
}

// Where each applied line goes, in the order the captions are set.
struct MenuTarget {
    int line;
    const char* name;
};
constexpr MenuTarget kMenuTargets[] = {
    {2, "File1"},    {3, "Edit1"},        {4, "Edit2"},       {5, "Action1"},
    {6, "Font1"},    {7, "Help1"},        {9, "New1"},        {10, "Open1"},
    {11, "Save1"},   {12, "SaveAs1"},     {14, "Send1"},      {16, "Exit1"},
    {18, "Star1"},   {19, "Heart1"},      {20, "LeftArrow1"}, {21, "RightArrow1"},
    {22, "Phone1"},  {23, "Plane1"},      {24, "Smile1"},     {25, "Circle01"},
    {26, "Circle1"}, {27, "UserDefine1"}, {28, "Question1"},  {29, "Full1"},
    {31, "Faster1"}, {32, "Normal1"},     {33, "Slow1"},      {34, "Normal2"},
    {35, "Slow2"},   {37, "Hold2"},       {38, "Rotate1"},    {39, "Scroll1"},
    {40, "Snow1"},   {41, "Twinkle1"},    {42, "Twinkle2"},   {44, "Normal3"},
    {45, "Bold1"},   {46, "Font31"},
};
constexpr std::pair<const char*, const char*> kFontHints[] = {
    {"ToolFont0", "Normal3"}, {"ToolFont1", "Bold1"}, {"ToolFont2", "Font31"}};
constexpr MenuTarget kHelpTarget = {48, "About1"};
constexpr MenuTarget kWindowTargets[] = {
    {50, "MSG1"}, {51, "GroupBox2"}, {52, "CheckBox1"}, {53, "Label8"},  {54, "Label1"},
    {55, "Send"}, {56, "Button2"},   {57, "Button3"},   {58, "Label12"},
};

// The controls that show texts of the chosen script, in the order they take the font.
constexpr const char* kDisplayFontTargets[] = {
    "Edit3",      "Edit4",     "Edit5",     "Edit6",   "Edit7",    "Edit8",
    "MSG1",       "GroupBox2", "CheckBox1", "Label8",  "Label1",   "Send",
    "suiButton1", "Button2",   "Button3",   "Label12", "suiEdit1",
};

// The code page a language's captions and face names are read in: the one its display
// font's character set names, else the language's own.
const CodePageCodec& captionCodec(const std::filesystem::path& folder, int languageId) {
    std::optional<varnel::DisplayFont> font = varnel::readDisplayFontFile(folder, languageId);
    const int codePage = font ? varnel::codePageForCharSet(font->charSet, languageId)
                              : varnel::languageInfo(languageId).codePage;
    return CodePageCodec::forCodePage(codePage);
}

QString decoded(const CodePageCodec& codec, const std::string& bytes) {
    return QString::fromStdString(codec.toUtf8(bytes));
}

// A menu caption as a tool tip: without its accelerator mark, "(&1)" or "&1" alike.
QString hintFromCaption(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('(') && i + 3 < caption.size() && caption[i + 1] == QLatin1Char('&') &&
            caption[i + 3] == QLatin1Char(')')) {
            i += 3;
            continue;
        }
        if (c == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += c;
                ++i;
            }
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

void setCaption(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    }
}

QFontDatabase::WritingSystem qtWritingSystem(varnel::WritingSystem ws) {
    switch (ws) {
        case varnel::WritingSystem::Latin:
            return QFontDatabase::Latin;
        case varnel::WritingSystem::Greek:
            return QFontDatabase::Greek;
        case varnel::WritingSystem::Cyrillic:
            return QFontDatabase::Cyrillic;
        case varnel::WritingSystem::Hebrew:
            return QFontDatabase::Hebrew;
        case varnel::WritingSystem::Arabic:
            return QFontDatabase::Arabic;
        case varnel::WritingSystem::Thai:
            return QFontDatabase::Thai;
        case varnel::WritingSystem::Vietnamese:
            return QFontDatabase::Vietnamese;
        case varnel::WritingSystem::Japanese:
            return QFontDatabase::Japanese;
        case varnel::WritingSystem::Korean:
            return QFontDatabase::Korean;
        case varnel::WritingSystem::SimplifiedChinese:
            return QFontDatabase::SimplifiedChinese;
        case varnel::WritingSystem::TraditionalChinese:
            return QFontDatabase::TraditionalChinese;
        case varnel::WritingSystem::Symbol:
            return QFontDatabase::Symbol;
        case varnel::WritingSystem::Any:
            break;
    }
    return QFontDatabase::Any;
}

// An installed family that covers the character set's script, for faces that are missing.
std::optional<QString> familyForCharSet(std::uint8_t charSet) {
    std::optional<varnel::CharSetInfo> info = varnel::charSetInfo(charSet);
    if (!info || info->writingSystem == varnel::WritingSystem::Any) {
        return std::nullopt;
    }
    const QStringList families = QFontDatabase::families(qtWritingSystem(info->writingSystem));
    for (const QString& family : families) {
        if (family.contains(QLatin1String("Sans"))) {
            return family;
        }
    }
    if (families.isEmpty()) {
        return std::nullopt;
    }
    return families.first();
}

// A new font from a display-font record.  Negative heights are character heights in pixels,
// positive ones cell heights (character plus internal leading); 0 keeps the default size.
QFont fontFromRecord(const varnel::DisplayFont& record, const QString& face) {
    QFont font;
    if (!face.isEmpty()) {
        QStringList families{face};
        if (std::optional<QString> fallback = familyForCharSet(record.charSet)) {
            families << *fallback;
        }
        font.setFamily(face);
        font.setFamilies(families);
    }
    if (record.height < 0) {
        font.setPixelSize(-record.height);
    } else if (record.height > 0) {
        QFont probe = font;
        probe.setPixelSize(record.height);
        const int cell = std::max(1, QFontMetrics(probe).height());
        font.setPixelSize(std::max(1, record.height * record.height / cell));
    }
    return font;
}

int characterPixels(const QFont& font, const QWidget* on) {
    if (font.pixelSize() > 0) {
        return font.pixelSize();
    }
    return std::max(1, qRound(font.pointSizeF() * on->logicalDpiY() / 72.0));
}

}  // namespace

void TForm1::ReplacePanel(int mode) {
    const int language = languageId();
    std::optional<UiTexts> read = varnel::readUiTextFile(programFolder_, language);
    if (!read && mode != 1) {
        // The window goes on in its own English captions; the user learns which file is missing.
        prompt().message(std::string(varnel::languageInfo(language).uiTextFile));
    }
    const UiTexts& texts = read ? *read : builtInCaptions();
    const CodePageCodec& codec = captionCodec(programFolder_, language);
    auto line = [&](int i) { return decoded(codec, texts[static_cast<std::size_t>(i)]); };

    setTitlePrefix(line(0));
    if (mode == 1) {
        return;
    }
    for (const MenuTarget& t : kMenuTargets) {
        setCaption(MenuEnglish->findChild<QObject*>(QString::fromLatin1(t.name)), line(t.line));
    }
    for (const auto& [button, item] : kFontHints) {
        auto* tool = ToolBar1->findChild<QToolButton*>(QString::fromLatin1(button));
        auto* action = MenuEnglish->findChild<QAction*>(QString::fromLatin1(item));
        if (tool != nullptr && action != nullptr) {
            const QString hint = hintFromCaption(action->text());
            tool->setToolTip(hint);
            tool->setStatusTip(hint);
        }
    }
    setCaption(MenuEnglish->findChild<QObject*>(QString::fromLatin1(kHelpTarget.name)),
               line(kHelpTarget.line));
    for (const MenuTarget& t : kWindowTargets) {
        setCaption(centralWidget()->findChild<QWidget*>(QString::fromLatin1(t.name)), line(t.line));
    }
}

void TForm1::LangBoxChange() {
    SavePara();
    ReplacePanel(0);
    LoadDisplayFont(false);
    // The texts keep their bytes and are shown through the new code page; that is no edit.
    const bool modified = project_.modified;
    for (int slot = 1; slot <= 6; ++slot) {
        showSlotText(slot);
    }
    project_.modified = modified;
}

void TForm1::LoadDisplayFont(bool startupMode) {
    const int language = languageId();
    std::optional<varnel::DisplayFont> record =
        varnel::readDisplayFontFile(programFolder_, language);
    if (!record) {
        return;
    }
    const CodePageCodec& codec =
        CodePageCodec::forCodePage(varnel::codePageForCharSet(record->charSet, language));
    const QString face = decoded(codec, record->faceName);
    const QFont font = fontFromRecord(*record, face);
    suiEdit1->setText(face);
    suiEdit2->setText(QString::number(record->height));
    suiEdit3->setText(QString::number(record->charSet));
    if (!startupMode || !record->faceName.empty()) {
        ApplyDisplayFont(font);
    }
}

void TForm1::ApplyDisplayFont(const QFont& font) {
    // The port box inside GroupBox2 keeps its own font.
    if (ComBox->font().resolveMask() != QFont::AllPropertiesResolved) {
        QFont own = ComBox->font();
        own.setResolveMask(QFont::AllPropertiesResolved);
        ComBox->setFont(own);
    }
    for (const char* name : kDisplayFontTargets) {
        if (auto* w = centralWidget()->findChild<QWidget*>(QString::fromLatin1(name))) {
            w->setFont(font);
        }
    }
    // The title bar belongs to the window manager, which draws it in its own font.
}

void TForm1::suiButton4Click() {
    auto* dialog =
        findChild<QFontDialog*>(QStringLiteral("FontDialog1"), Qt::FindDirectChildrenOnly);
    if (dialog == nullptr) {
        dialog = new QFontDialog(this);
        dialog->setObjectName(QStringLiteral("FontDialog1"));
        dialog->setProperty("lastChoice", QFont(QStringLiteral("MS Sans Serif")));
    }
    dialog->setCurrentFont(dialog->property("lastChoice").value<QFont>());
    if (dialog->exec() != QDialog::Accepted) {
        return;
    }
    const QFont chosen = dialog->selectedFont();
    dialog->setProperty("lastChoice", chosen);
    ApplyDisplayFont(chosen);

    const int language = languageId();
    varnel::DisplayFont record;
    record.charSet = varnel::charSetOfLanguage(language);
    const CodePageCodec& codec =
        CodePageCodec::forCodePage(varnel::codePageForCharSet(record.charSet, language));
    const std::string family = chosen.family().toStdString();
    record.faceName = codec.fromUtf8(family).value_or(family);
    record.faceName.resize(std::min(record.faceName.size(), varnel::kMaxFaceNameBytes));
    record.height = -characterPixels(chosen, this);
    varnel::writeDisplayFontFile(programFolder_, language, record);
    suiEdit1->setText(decoded(codec, record.faceName));
    suiEdit2->setText(QString::number(record.height));
    suiEdit3->setText(QString::number(record.charSet));
}

void TForm1::ToolButton7Click() {
    if (charSet_ != nullptr) {
        QWidget* focused = focusWidget();
        charSet_->setLanguage(languageId());
        if (charSet_->exec() == QDialog::Accepted) {
            setPickedCharacterCode(charSet_->pickedCode());
        }
        // The pick goes to the edit that had the caret; the window manager may give the window
        // back its focus only later.
        QApplication::setActiveWindow(this);
        if (focused != nullptr) {
            focused->setFocus();
        }
    }
    InsertChar(varnel::charCodeBytes(static_cast<std::uint16_t>(pickedCharacterCode_ & 0xFFFF)));
}

void TForm1::showLanguageSelector() {
    if (languageSelector_ != nullptr) {
        languageSelector_->setLanguageBox(LangBox);
        languageSelector_->exec();
    }
}

int TForm1::languageId() const {
    return LangBox->currentIndex();
}

QString TForm1::textForDisplay(const std::string& bytes) const {
    return QString::fromStdU16String(
        CodePageCodec::forLanguage(languageId()).decodeLossless(bytes));
}

std::optional<std::string> TForm1::bytesForText(const QString& text, QString* refused) const {
    char32_t bad = 0;
    std::optional<std::string> bytes =
        CodePageCodec::forLanguage(languageId()).encodeLossless(text.toStdU16String(), &bad);
    if (!bytes && refused != nullptr) {
        const auto ucs4 = static_cast<char32_t>(bad);
        *refused = QString::fromUcs4(&ucs4, 1);
    }
    return bytes;
}
