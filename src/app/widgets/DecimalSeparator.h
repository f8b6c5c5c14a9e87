#pragma once

namespace tallyhand::app {

// The decimal separator of the user's locale as the core writes it ('.' when
// the locale's is not a single ASCII character).
char localeDecimalSeparator();

} // namespace tallyhand::app
