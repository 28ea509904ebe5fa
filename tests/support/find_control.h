#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace varnel::testing {

// A window's control by its name.  A missing control ends the run: every later step needs it.
template <typename T>
T* findControl(const QObject* root, const char* name) {
    T* control = root->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control named %s", name);
    }
    return control;
}

}  // namespace varnel::testing
