#pragma once

#include <QPixmap>

namespace standin {

// The picture of TPortControl: a nine-pin serial connector, `size` pixels square.
QPixmap portControlGlyph(int size);

}  // namespace standin
