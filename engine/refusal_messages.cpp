#include "engine/refusal_messages.h"

#include <QCoreApplication>

// lupdate reads the context only from a literal, so each call spells it out.

namespace vrc::engine {

QString EntryErrorMessage(EntryProblem problem) {
    switch (problem) {
    case EntryProblem::NotNumeric:
        break;
    case EntryProblem::OutOfRange:
        return QCoreApplication::translate("vrc::engine::RefusalMessages",
                                           "You must enter a rating between -32768 and 32767");
    case EntryProblem::NoRating:
        return QCoreApplication::translate("vrc::engine::RefusalMessages",
                                           "You must enter at least one player and one opponent");
    }
    return QCoreApplication::translate("vrc::engine::RefusalMessages",
                                       "You must enter a numeric value for rating");
}

QString NewRatingOutOfRangeMessage() {
    return QCoreApplication::translate("vrc::engine::RefusalMessages",
                                       "The new rating would be outside the range -32768 to 32767");
}

} // namespace vrc::engine
