// Varnel: the LED badge message editor.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "common/program_folder.h"
#include "varnel_style.h"
#include "varnel_windows.h"

namespace {

// An error inside a command is shown in an error box and the program goes on.
class VarnelApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Varnel"),
                                  QString::fromLocal8Bit(e.what()));
        } catch (...) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Varnel"),
                                  QStringLiteral("Unexpected error."));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    VarnelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    applyVarnelStyle(app);
    try {
        VarnelWindows windows(varnel::runningProgramFolder());
        windows.form1.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Varnel"), QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
