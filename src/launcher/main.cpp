// Install: the start menu beside Varnel.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "launcher_window.h"

namespace {

void showException(const char* what) {
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                          QString::fromLocal8Bit(what));
}

// Shows an exception thrown by an event handler and carries on, as the toolkit's default
// handling of an uncaught error does.
class LauncherApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            showException(error.what());
        } catch (...) {
            showException("Unknown error");
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    LauncherApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Install"));
    try {
        launcher::LauncherWindow window(QCoreApplication::applicationDirPath());
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        showException(error.what());
    } catch (...) {
        showException("Unknown error");
    }
    return 0;
}
