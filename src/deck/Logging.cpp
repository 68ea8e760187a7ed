#include "Logging.h"

namespace lexiwren {
Q_LOGGING_CATEGORY(lcDeck, "lexiwren.deck", QtWarningMsg)
} // namespace lexiwren
