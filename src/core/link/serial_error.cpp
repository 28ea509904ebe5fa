#include "link/serial_error.h"

namespace varnel {

const char* serialErrorKindName(SerialErrorKind kind) {
    switch (kind) {
        case SerialErrorKind::None:
            return "None";
        case SerialErrorKind::NoSuchPort:
            return "NoSuchPort";
        case SerialErrorKind::NoPermission:
            return "NoPermission";
        case SerialErrorKind::Busy:
            return "Busy";
        case SerialErrorKind::IoError:
            return "IoError";
    }
    return "?";
}

}  // namespace varnel
