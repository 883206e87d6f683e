#pragma once

#include <QLoggingCategory>

// Debug messages of the sound layer: QT_LOGGING_RULES="dropline.sound.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDroplineSound)
