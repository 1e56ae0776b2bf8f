#pragma once

#include <string_view>

namespace oltrave {

// The words the model writes (the pieces of the result lines, the chooser's
// entries, the formula label's messages) in the language chosen at start-up.
// English is the source: a piece is looked up by its English text, and a piece
// without words (numbers' company such as " , " or " x") stays as it is.
std::string_view inChosenLanguage(std::string_view english);

} // namespace oltrave
