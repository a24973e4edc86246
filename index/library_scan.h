#pragma once

#include <QByteArrayView>

// The selection rule of the index: a file gets a line when its name holds a "." and the text
// after the last one, letter case ignored, is none of rsr, png, pz3, gif, txt, bvh and dxf.
bool isIndexedExtension(QByteArrayView extension);
