#include "files/document_commands.h"

#include <filesystem>
#include <system_error>

#include "files/document_file.h"

namespace varnel {

namespace {

bool needsSaveDialog(const std::string& documentName) {
    std::string name = std::filesystem::path(documentName).filename().string();
    return name.empty() || name == kUntitledDocument;
}

}  // namespace

DocumentCommands::DocumentCommands(BadgeProject& project, RecentFiles& recent,
                                   DocumentWindow& window, UserPrompt& prompt)
    : project_(project), recent_(recent), window_(window), prompt_(prompt) {}

std::string DocumentCommands::withDocumentExtension(const std::string& chosen) {
    if (std::filesystem::path(chosen).has_extension()) {
        return chosen;
    }
    return chosen + ".bge";
}

bool DocumentCommands::settleUnsavedChanges(const char* question) {
    if (!project_.modified || !prompt_.confirm(question)) {
        return true;
    }
    return save();
}

bool DocumentCommands::writeTo(const std::string& path) {
    if (saveDocFile(path, project_)) {
        return true;
    }
    prompt_.message(path + kFileWriteErrorSuffix);
    return false;
}

void DocumentCommands::afterLoad(const std::string& path) {
    project_.documentName = path;
    window_.showProject();
    window_.showDocumentName();
    // Last: showing the texts counts as editing them in some windows.
    project_.modified = false;
}

void DocumentCommands::newDocument() {
    if (!settleUnsavedChanges(kSaveCurrentQuestion)) {
        return;
    }
    project_.applyNewDefaults();
    window_.showProject();
    window_.showDocumentName();
    project_.modified = false;
}

void DocumentCommands::open() {
    if (!settleUnsavedChanges(kSaveCurrentQuestion)) {
        return;
    }
    auto chosen = window_.chooseDocumentToOpen();
    if (!chosen || chosen->empty()) {
        // Nothing chosen: the project and its flag stay, the name still goes to the list.
        window_.showDocumentName();
        recent_.save(project_.documentName);
        return;
    }
    if (loadDocFile(*chosen, project_, prompt_) == DocumentLoad::NotRead) {
        return;
    }
    afterLoad(*chosen);
    recent_.save(*chosen);
}

void DocumentCommands::openGiven(const std::string& path) {
    if (!settleUnsavedChanges(kSaveCurrentQuestion)) {
        return;
    }
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) {
        prompt_.message(kRecentNotFound);
        return;
    }
    if (loadDocFile(path, project_, prompt_) == DocumentLoad::NotRead) {
        return;
    }
    afterLoad(path);
}

bool DocumentCommands::save() {
    window_.collectProject();
    std::string target = project_.documentName;
    if (needsSaveDialog(target)) {
        auto chosen = window_.chooseDocumentToSave(project_.documentName);
        if (!chosen || chosen->empty()) {
            return false;
        }
        target = withDocumentExtension(*chosen);
    }
    if (!writeTo(target)) {
        return false;
    }
    project_.documentName = target;
    project_.modified = false;
    recent_.save(target);
    window_.showDocumentName();
    return true;
}

bool DocumentCommands::saveAs() {
    window_.collectProject();
    auto chosen = window_.chooseDocumentToSave(project_.documentName);
    if (!chosen || chosen->empty()) {
        return false;
    }
    std::string target = withDocumentExtension(*chosen);
    if (!writeTo(target)) {
        return false;
    }
    project_.documentName = target;
    project_.modified = false;
    window_.showDocumentName();
    return true;
}

bool DocumentCommands::exit() {
    if (!project_.modified || !prompt_.confirm(kSaveOnExitQuestion)) {
        return true;
    }
    return save();
}

}  // namespace varnel
