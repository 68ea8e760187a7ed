#include "Logging.h"

namespace lexiwren {
Q_LOGGING_CATEGORY(lcDrill, "lexiwren.drill", QtWarningMsg)
} // namespace lexiwren
