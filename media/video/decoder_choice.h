#pragma once

#include <QString>

// The decoding choice of the Options tab, read by every live picture decoder when it is built
// and when it opens its stream, so a change applies to pictures connected afterwards.
// Both are used by the GUI thread only.
extern QString gDecoderType;   // "NONE", "AUTO", "QSV", "DXVA2", "D3D11VA" (also "CUDA", "ANY")
extern bool gHwAccelEnabled;   // false exactly when gDecoderType is "NONE"
