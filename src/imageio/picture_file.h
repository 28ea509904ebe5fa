#pragma once

#include <QString>
#include <QStringList>

#include "encoder/picture_load.h"

namespace varnel {

// Decodes a picture file in any format Qt reads here (BMP, PNG, GIF, JPEG and more) into
// colours; transparent parts show as white paper.  error names the reason when the file
// cannot be read as a picture.
struct DecodedPicture {
    RgbPicture picture;
    std::string error;
};
DecodedPicture decodePictureFile(const QString& fileName);

// Decodes the file and turns it into a slot picture by the load's colour rule; error is set
// when the file cannot be read or the picture is too wide for a slot.
PictureLoadResult loadSlotPictureFile(const QString& fileName);

// The file name extensions of every picture format that can be read, lower case, sorted.
QStringList readablePictureSuffixes();

// A file dialog filter: all readable pictures first, then each format, then all files.
QString pictureFileDialogFilter();

}  // namespace varnel
