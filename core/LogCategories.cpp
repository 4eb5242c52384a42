#include "core/LogCategories.h"

Q_LOGGING_CATEGORY(lcConfig, "plu.config", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDocument, "plu.document", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTable, "plu.table", QtWarningMsg)
Q_LOGGING_CATEGORY(lcComm, "plu.comm", QtWarningMsg)
Q_LOGGING_CATEGORY(lcIo, "plu.io", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEditors, "plu.editors", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "plu.app", QtWarningMsg)
