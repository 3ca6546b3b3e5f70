#ifndef PWIMAGES_H
#define PWIMAGES_H

#include <QPixmap>
#include <QString>

// The plug-in's embedded pictures ("PWlogic.png", "PWpackages.png", ...), looked
// up by name and kept once loaded. An unknown name gives a null pixmap.
QPixmap lxImage(const QString& name);

// Every name the collection holds.
QStringList lxImageNames();

#endif
