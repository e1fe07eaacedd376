#include "video/decoder_choice.h"

QString gDecoderType = QStringLiteral("NONE");
bool gHwAccelEnabled = false;
