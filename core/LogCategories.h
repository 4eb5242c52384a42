#pragma once

#include <QLoggingCategory>

// One category per area; warnings are on by default, the rest with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcConfig)
Q_DECLARE_LOGGING_CATEGORY(lcDocument)
Q_DECLARE_LOGGING_CATEGORY(lcTable)
Q_DECLARE_LOGGING_CATEGORY(lcComm)
Q_DECLARE_LOGGING_CATEGORY(lcIo)
Q_DECLARE_LOGGING_CATEGORY(lcEditors)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
