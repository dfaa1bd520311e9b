#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// The state pictures of the Result Test dialog (its image list `imgSensor`):
// a shaded ball on a white ground, 16 x 16 logical pixels, drawn at the given
// device pixel ratio so that they stay sharp on high-DPI screens.

// The keys in the list's order: "Warning" (yellow), "NoEvaluate" (blue),
// "Good" (green), "Danger" (red), "NoComparable" (black and grey).
QStringList sensorImageKeys();

// The picture of `key`; a null pixmap for a key that is not in the list.
QPixmap sensorImage(const QString &key, qreal devicePixelRatio = 1.0);
