#pragma once

#include <QString>

// Process-wide decoding settings, chosen on the Options tab. Every live picture decoder reads
// them when it is created, so a change applies to pictures connected afterwards.
// The decoder name: "NONE", "AUTO", "QSV", "DXVA2" or "D3D11VA"; "NONE" at start.
extern QString gDecoderType;
// Hardware decoding wanted: false exactly when gDecoderType is "NONE".
extern bool gHwAccelEnabled;
