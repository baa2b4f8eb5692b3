#include "ui/failure.h"

namespace ui {

OverflowFailure::OverflowFailure(const std::string& what)
    : Failure("Rekenfout (overloop): " + what +
              " past niet meer in zijn getaltype. Toetsrace "
              "sluit nu af.") {}

}  // namespace ui
