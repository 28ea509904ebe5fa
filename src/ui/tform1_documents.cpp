// Documents, the parameter file and the recent-file list.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>

#include "files/document_commands.h"
#include "files/parameter_file.h"
#include "files/recent_files.h"
#include "tform1.h"

namespace {

const QString kDocumentFilter = QStringLiteral("*.bge (*.bge)");

std::string localPath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString shownPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The window side of the document commands: its dialogs and refreshes.
class FormDocumentWindow : public varnel::DocumentWindow {
  public:
    explicit FormDocumentWindow(TForm1& form) : form_(form) {}

    std::optional<std::string> chooseDocumentToOpen() override {
        if (form_.documentOpenDialog) {
            return form_.documentOpenDialog();
        }
        const QString name =
            QFileDialog::getOpenFileName(&form_, QString(), QString(), kDocumentFilter);
        if (name.isEmpty()) {
            return std::nullopt;
        }
        return localPath(name);
    }

    std::optional<std::string> chooseDocumentToSave(const std::string& proposed) override {
        if (form_.documentSaveDialog) {
            return form_.documentSaveDialog(proposed);
        }
        const QString name =
            QFileDialog::getSaveFileName(&form_, QString(), shownPath(proposed), kDocumentFilter);
        if (name.isEmpty()) {
            return std::nullopt;
        }
        return localPath(name);
    }

    void showProject() override { form_.showWholeProject(); }
    void showDocumentName() override { form_.ReplacePanel(1); }

  private:
    TForm1& form_;
};

}  // namespace

struct TForm1::DocumentsState {
    DocumentsState(TForm1& form)
        : parameters(form.programFolder()),
          recent(form.programFolder()),
          window(form),
          commands(form.project(), recent, window, form.prompt()) {}

    varnel::ParameterFile parameters;
    varnel::RecentFiles recent;
    FormDocumentWindow window;
    varnel::DocumentCommands commands;
};

void TForm1::DocumentsStateDeleter::operator()(DocumentsState* state) const {
    delete state;
}

TForm1::DocumentsState& TForm1::documents() {
    if (!documents_) {
        documents_.reset(new DocumentsState(*this));
    }
    return *documents_;
}

void TForm1::passOnHistoryRefresh() {
    if (documents().recent.takeRefreshRequest()) {
        requestHistoryRefresh();
    }
}

// --- document commands ----------------------------------------------------------------------

void TForm1::BtnNewClick() {
    documents().commands.newDocument();
}

void TForm1::BtnOpenClick() {
    documents().commands.open();
    passOnHistoryRefresh();
}

void TForm1::BtnSaveClick() {
    documents().commands.save();
    passOnHistoryRefresh();
}

void TForm1::New1Click() {
    BtnNewClick();
}

void TForm1::Open1Click() {
    BtnOpenClick();
}

void TForm1::Save1Click() {
    BtnSaveClick();
}

void TForm1::SaveAs1Click() {
    documents().commands.saveAs();
}

void TForm1::Exit1Click() {
    if (documents().commands.exit()) {
        QApplication::exit(0);
    }
    passOnHistoryRefresh();
}

bool TForm1::confirmCloseWithUnsavedChanges() {
    const bool mayClose = documents().commands.exit();
    passOnHistoryRefresh();
    return mayClose;
}

void TForm1::MyOpenDocFile(const std::string& path) {
    documents().commands.openGiven(path);
    passOnHistoryRefresh();
}

// --- recent files -----------------------------------------------------------------------------

void TForm1::I01Click() {
    MyOpenDocFile(documents().recent.entry(0));
}

void TForm1::I11Click() {
    MyOpenDocFile(documents().recent.entry(1));
}

void TForm1::I21Click() {
    MyOpenDocFile(documents().recent.entry(2));
}

void TForm1::I31Click() {
    MyOpenDocFile(documents().recent.entry(3));
}

void TForm1::ReadHistory() {
    if (documents().recent.read()) {
        ShowHistory();
    }
}

void TForm1::SaveHistory(const std::string& path) {
    documents().recent.save(path);
    passOnHistoryRefresh();
}

void TForm1::ShowHistory() {
    for (int i = 0; i < varnel::kRecentEntryCount; ++i) {
        QAction* item = recentItems.at(static_cast<std::size_t>(i));
        const std::string& entry = documents().recent.entry(i);
        if (entry.empty()) {
            item->setVisible(false);
            continue;
        }
        QString caption = shownPath(varnel::recentEntryCaption(entry));
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no accelerator letters
        item->setText(caption);
        item->setToolTip(shownPath(entry));
        item->setVisible(true);
    }
}

// --- parameter file ---------------------------------------------------------------------------

void TForm1::ReadPara() {
    const varnel::StoredParameters found = documents().parameters.read(*prompt_);
    setFirstRun(documents().parameters.firstRun());
    // The change handlers react to the user only, so setting the items runs none of them.
    if (found.portIndex) {
        ComBox->setCurrentIndex(*found.portIndex);
    }
    if (found.languageId) {
        LangBox->setCurrentIndex(*found.languageId);
    }
}

void TForm1::SavePara() {
    documents().parameters.save(LangBox->currentIndex(), ComBox->currentIndex());
    setFirstRun(false);
}

void TForm1::ComBoxChange() {
    SavePara();
}
