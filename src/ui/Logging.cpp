#include "Logging.h"

namespace lexiwren {
Q_LOGGING_CATEGORY(lcUi, "lexiwren.ui", QtWarningMsg)
} // namespace lexiwren
