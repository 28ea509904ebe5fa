// The project model's handlers: speeds, actions, enable boxes, texts, run sequence, symbol
// codes and the timer.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "project/insert_code.h"
#include "project/run_sequence.h"
#include "project/slot_rules.h"
#include "project/symbol_codes.h"
#include "tform1.h"

void TForm1::SpeedButtonClick(int slot) {
    project_.speed(slot) = varnel::stepSlotValue(project_.speed(slot));
    UpdateSpeedGlyphs();
    project_.modified = true;
}

void TForm1::ActionButtonClick(int slot) {
    project_.action(slot) = varnel::stepSlotValue(project_.action(slot));
    UpdateActionGlyphs();
    project_.modified = true;
}

void TForm1::suiCheckBoxClick(int slot) {
    project_.enableMask =
        varnel::withSlotEnabled(project_.enableMask, slot, enableCheckBox(slot)->isChecked());
}

void TForm1::EnableMaskToCheckBoxes() {
    for (int slot = 1; slot <= 8; ++slot) {
        enableCheckBox(slot)->setChecked(varnel::isSlotEnabled(project_.enableMask, slot));
    }
}

void TForm1::UpdateSpeedGlyphs() {
    for (int slot = 1; slot <= 8; ++slot) {
        // A value outside the table has no picture: the button keeps the one it had.
        if (auto file = varnel::speedPictureFile(project_.speed(slot))) {
            speedButton(slot)->setIcon(pictureFileIcon(*file));
            speedButton(slot)->setToolTip(QStringLiteral("Speed %1").arg(project_.speed(slot) + 1));
        }
    }
}

void TForm1::UpdateActionGlyphs() {
    for (int slot = 1; slot <= 8; ++slot) {
        if (auto file = varnel::actionPictureFile(project_.action(slot))) {
            actionButton(slot)->setIcon(pictureFileIcon(*file));
            actionButton(slot)->setToolTip(
                QStringLiteral("Action %1").arg(QChar('A' + project_.action(slot))));
        }
    }
}

void TForm1::suitempEditChange(int) {
    project_.modified = true;
}

void TForm1::suitempEditRunSeqChange() {
    project_.runSequence = EditRunSeq->text().toLatin1().toStdString();
    project_.modified = true;
}

void TForm1::suitempEditRunSeqExit() {
    const QString cleaned = QString::fromLatin1(
        varnel::cleanRunSequence(EditRunSeq->text().toLatin1().toStdString()).c_str());
    if (cleaned != EditRunSeq->text()) {
        EditRunSeq->setText(cleaned);
    }
}

void TForm1::slotTextEdited(int slot) {
    QLineEdit* edit = messageEdit(slot);
    QString refused;
    std::optional<std::string> bytes = bytesForText(edit->text(), &refused);
    // Beyond 250 bytes a text may only shrink (a document can bring a longer one).
    if (!bytes || (bytes->size() > varnel::kMaxTypedTextBytes &&
                   bytes->size() > project_.text(slot).size())) {
        // Refuse the edit: the text keeps its bytes.
        const int cursor = edit->cursorPosition();
        QSignalBlocker block(edit);
        const QString before = textForDisplay(project_.text(slot));
        edit->setText(before);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(before.size())));
        setStatusPanel(
            0,
            bytes ? QStringLiteral("A message holds at most 250 bytes.")
                  : QStringLiteral("\"%1\" cannot be typed in this Windows version.").arg(refused));
        return;
    }
    project_.text(slot) = *bytes;
    // Bytes that form another character once joined are shown as that character.
    const QString shown = textForDisplay(*bytes);
    if (shown != edit->text()) {
        const int cursor = edit->cursorPosition();
        QSignalBlocker block(edit);
        edit->setText(shown);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(shown.size())));
    }
}

void TForm1::showSlotText(int slot) {
    messageEdit(slot)->setText(textForDisplay(project_.text(slot)));
}

void TForm1::showWholeProject() {
    for (int slot = 1; slot <= 6; ++slot) {
        showSlotText(slot);
    }
    {
        QSignalBlocker block(EditRunSeq);
        EditRunSeq->setText(QString::fromLatin1(project_.runSequence.c_str()));
    }
    EnableMaskToCheckBoxes();
    showSlotPicture(7);
    showSlotPicture(8);
    UpdateSpeedGlyphs();
    UpdateActionGlyphs();
}

void TForm1::InsertChar(const std::string& code) {
    for (int slot = 1; slot <= 6; ++slot) {
        QLineEdit* edit = messageEdit(slot);
        if (!edit->hasFocus()) {
            continue;
        }
        const QString shown = edit->text();
        const int caretChars =
            edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        std::string& text = project_.text(slot);
        const std::size_t caret =
            bytesForText(shown.left(caretChars)).value_or(std::string()).size();
        std::optional<std::size_t> newCaret = varnel::insertCode(text, caret, code);
        if (!newCaret) {
            return;
        }
        edit->setText(textForDisplay(text));
        edit->setCursorPosition(static_cast<int>(textForDisplay(text.substr(0, *newCaret)).size()));
        return;
    }
}

void TForm1::insertSymbol(std::string_view toolButtonName) {
    for (auto table : {varnel::pictureSymbolCodes(), varnel::switchSymbolCodes()}) {
        for (const auto& code : table) {
            if (code.toolButton == toolButtonName) {
                InsertChar(std::string(code.code));
                return;
            }
        }
    }
}

void TForm1::PicStarClick() {
    insertSymbol("PicStar");
}
void TForm1::BtnHeartClick() {
    insertSymbol("BtnHeart");
}
void TForm1::BtnLeftClick() {
    insertSymbol("BtnLeft");
}
void TForm1::BtnRightClick() {
    insertSymbol("BtnRight");
}
void TForm1::BtnPhoneClick() {
    insertSymbol("BtnPhone");
}
void TForm1::BtnPhone0Click() {
    insertSymbol("BtnPhone0");
}
void TForm1::BtnSmileClick() {
    insertSymbol("BtnSmile");
}
void TForm1::BtnCircleSolidClick() {
    insertSymbol("BtnCircleSolid");
}
void TForm1::BtnCircleClick() {
    insertSymbol("BtnCircle");
}
void TForm1::ToolButton5Click() {
    insertSymbol("ToolButton5");
}
void TForm1::ToolButton4Click() {
    insertSymbol("ToolButton4");
}
void TForm1::BtnNullClick() {
    insertSymbol("BtnNull");
}
void TForm1::ToolFont0Click() {
    insertSymbol("ToolFont0");
}
void TForm1::ToolFont1Click() {
    insertSymbol("ToolFont1");
}
void TForm1::ToolFont2Click() {
    insertSymbol("ToolFont2");
}
void TForm1::ToolButton6Click() {
    insertSymbol("ToolButton6");
}
void TForm1::ToolButton9Click() {
    insertSymbol("ToolButton9");
}
void TForm1::ToolButton10Click() {
    insertSymbol("ToolButton10");
}

// Menu items run the matching tool button's handler; Music and Question insert their codes
// themselves.
void TForm1::Star1Click() {
    PicStarClick();
}
void TForm1::Heart1Click() {
    BtnHeartClick();
}
void TForm1::LeftArrow1Click() {
    BtnLeftClick();
}
void TForm1::RightArrow1Click() {
    BtnRightClick();
}
void TForm1::Phone1Click() {
    BtnPhoneClick();
}
void TForm1::Plane1Click() {
    BtnPhone0Click();
}
void TForm1::Smile1Click() {
    BtnSmileClick();
}
void TForm1::Circle01Click() {
    BtnCircleSolidClick();
}
void TForm1::Circle1Click() {
    BtnCircleClick();
}
void TForm1::UserDefine1Click() {
    InsertChar("~M");
}
void TForm1::Question1Click() {
    InsertChar("~Q");
}
void TForm1::Full1Click() {
    BtnNullClick();
}
void TForm1::Normal3Click() {
    ToolFont0Click();
}
void TForm1::Bold1Click() {
    ToolFont1Click();
}
void TForm1::Font31Click() {
    ToolFont2Click();
}

void TForm1::Timer1Timer() {
    BtnSave->setEnabled(project_.modified);
    for (int slot = 1; slot <= 6; ++slot) {
        const QString count = QString::number(project_.text(slot).size());
        if (counterLabel(slot)->text() != count) {
            counterLabel(slot)->setText(count);
        }
    }
    if (historyRefreshRequested_) {
        historyRefreshRequested_ = false;
        ShowHistory();
    }
}
