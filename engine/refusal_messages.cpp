#include "engine/refusal_messages.h"

#include <QCoreApplication>

namespace vrc::engine {

namespace {
constexpr char kContext[] = "vrc::engine::RefusalMessages";
} // namespace

QString EntryErrorMessage(EntryProblem problem) {
    switch (problem) {
    case EntryProblem::NotNumeric:
        break;
    case EntryProblem::OutOfRange:
        return QCoreApplication::translate(kContext,
                                           "You must enter a rating between -32768 and 32767");
    case EntryProblem::NoRating:
        return QCoreApplication::translate(kContext,
                                           "You must enter at least one player and one opponent");
    }
    return QCoreApplication::translate(kContext, "You must enter a numeric value for rating");
}

QString NewRatingOutOfRangeMessage() {
    return QCoreApplication::translate(kContext,
                                       "The new rating would be outside the range -32768 to 32767");
}

} // namespace vrc::engine
