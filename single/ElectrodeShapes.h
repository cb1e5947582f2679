// The catalogue of electrode shapes of the single-electrode calculator: the list items, the
// pictures, the captions of the dimension fields and the condition texts shown to the user.
#pragma once

#include <QString>
#include <QStringList>

struct ElectrodeShape {
    QString name;      // the item of the shape list
    QString picture;   // the picture file, relative to a picture folder
    QString caption2;  // caption of the field Edit2, always shown
    QString caption3;  // caption of Edit3; empty when the shape hides Edit3
    QString caption4;  // caption of Edit4; empty when the shape hides Edit4
    QString condition; // the additional condition as the user reads it, blanks included

    bool showsEdit3() const { return !caption3.isEmpty(); }
    bool showsEdit4() const { return !caption4.isEmpty(); }
};

inline constexpr int kShapeCount = 13;

// The shape with the given number, 1 to kShapeCount.
const ElectrodeShape& electrodeShape(int shapeNumber);
// The items of the shape list, in the order of the shape numbers.
QStringList electrodeShapeNames();
