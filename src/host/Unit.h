#pragma once

namespace zel {

// Length unit of the scene; the values are the indexes of the units combo box.
enum Unit
{
    MILLIMETER = 0,
    CENTIMETER = 1,
    METER = 2,
    INCH = 3
};

} // namespace zel
