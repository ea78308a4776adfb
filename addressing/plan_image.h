#pragma once
// A plan's picture from a PNG, JPEG or SVG file.

#include <QImage>
#include <QString>

// Larger pictures would hold gigabytes once decoded.
inline constexpr qint64 kMaxPlanPixels = qint64{100} * 1000 * 1000;

enum class PlanImageResult { Read, Unreadable, TooLarge };

// The picture of the file into `image`; an SVG is drawn at its own size.
// Nothing is decoded past kMaxPlanPixels.
PlanImageResult LoadPlanImage(const QString& path, QImage& image);
