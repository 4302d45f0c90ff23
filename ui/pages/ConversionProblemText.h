#ifndef UI_PAGES_CONVERSIONPROBLEMTEXT_H
#define UI_PAGES_CONVERSIONPROBLEMTEXT_H

#include "audio/ConversionProblem.h"

#include <QString>

namespace ui {

// Why a conversion to MP3 stopped, in the user's language. A decoding
// library's own words stay as it says them.
QString conversionProblemText(const audio::ConversionProblem& problem);

} // namespace ui

#endif
