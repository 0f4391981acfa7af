#include "shell/ProgramResources.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <QtGlobal>

void ProgramResources::Load() { Q_INIT_RESOURCE(resources); }

QPixmap ProgramResources::Picture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
