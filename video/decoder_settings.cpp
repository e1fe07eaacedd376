#include "video/decoder_settings.h"

QString gDecoderType = QStringLiteral("NONE");
bool gHwAccelEnabled = false;
