// The catalogue of electrode shapes of the single-electrode calculator: one record per shape with
// everything the calculator knows of it (list item, picture, captions of the dimension fields,
// condition text, condition and formula). A new shape is one more record.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The dimensions of a shape in metres, in the order of the fields Edit2, Edit3, Edit4 that it
// shows; the places after its last field are unused.
using ShapeDimensions = std::array<double, 3>;

// A shape's condition and formula over its dimensions. The catalogue makes it from the shape's
// functions in ElectrodeFormulas.h, so that the number of dimensions is that of their arguments.
struct ShapeFormula {
    int dimensionCount = 0;
    // Whether the shape's condition holds for the dimensions.
    bool (*holds)(const ShapeDimensions& dimensions) = nullptr;
    // The spreading resistance in ohms for the soil resistance rho in Ohm*m.
    double (*resistance)(double rho, const ShapeDimensions& dimensions) = nullptr;
};

struct ElectrodeShape {
    QString name;      // the item of the shape list
    QString picture;   // the picture file, relative to a picture folder
    QString caption2;  // caption of the field Edit2, always shown
    QString caption3;  // caption of Edit3; empty when the shape hides Edit3
    QString caption4;  // caption of Edit4; empty when the shape hides Edit4
    QString condition; // the additional condition as the user reads it, blanks included
    ShapeFormula formula;

    bool showsEdit3() const { return !caption3.isEmpty(); }
    bool showsEdit4() const { return !caption4.isEmpty(); }
};

// The number of shapes in the catalogue.
int shapeCount();
// The shape with the given number, 1 to shapeCount().
const ElectrodeShape& electrodeShape(int shapeNumber);
// The items of the shape list, in the order of the shape numbers.
QStringList electrodeShapeNames();
