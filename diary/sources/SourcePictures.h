#pragma once

#include <QList>
#include <QPixmap>

// The pictures of the sources tree, by image index: 0 a source, 1 a person, 2 a selected node.
QList<QPixmap> sourcePictures();
