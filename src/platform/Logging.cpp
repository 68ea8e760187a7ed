#include "Logging.h"

namespace lexiwren {
Q_LOGGING_CATEGORY(lcPlatform, "lexiwren.platform", QtWarningMsg)
} // namespace lexiwren
