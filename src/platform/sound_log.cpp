#include "platform/sound_log.h"

Q_LOGGING_CATEGORY(lcDroplineSound, "dropline.sound", QtWarningMsg)
