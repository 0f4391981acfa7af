#include "shell/ProgramResources.h"

#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QString>
#include <QtGlobal>

void ProgramResources::Load() { Q_INIT_RESOURCE(resources); }

// Kept in the pixmap cache as QPixmap's own loading does: pages rebuilt
// later show the same pictures.
QPixmap ProgramResources::Picture(const QString& path) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, picture);
    return picture;
}
