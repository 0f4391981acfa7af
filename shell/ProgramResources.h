#pragma once
// The pictures are compiled into the GUI library; a static library's resources
// must be registered by the program before first use.

class QPixmap;
class QString;

class ProgramResources {
public:
    static void Load();
    // One of the compiled-in PNG pictures. Read as PNG straight away: asked
    // to guess, Qt loads every image plug-in first, which slows the start.
    static QPixmap Picture(const QString& path);
};
